#include "Texts.h"

namespace info {

// The list shows each entry on a line of its own without wrapping, so the agreement is broken
// into lines here; section headings end in two blanks as typed on the original sheet. The
// package's dist/copyright carries the same agreement as its licence, all but the closing
// invitation to write and the address.
QStringList licenseText() {
    return {
        QStringLiteral("Please Read Before Using This Software!"),
        QString(),
        QStringLiteral("NOTICE TO USER:"),
        QStringLiteral("BY USING THIS SOFTWARE YOU ACCEPT ALL THE TERMS OF THIS LICENCE AGREEMENT. "
                       "Please read the agreement before you"),
        QStringLiteral("install or play the game. It is an agreement between you and the maker of "
                       "the software, and it sets out what you may"),
        QStringLiteral("and may not do with it. If you do not accept these terms, do not install "
                       "the software, or remove it from your"),
        QStringLiteral("computer if you have already installed it."),
        QString(),
        QStringLiteral("Brannoch Software, the maker of this game, grants you a non-exclusive "
                       "licence to use the software, free of charge,"),
        QStringLiteral("on the following terms:"),
        QString(),
        QStringLiteral("USE OF THE SOFTWARE.  "),
        QStringLiteral("  You may:"),
        QStringLiteral("- install the software on any computer that you own or use, and play it as "
                       "often as you like;"),
        QStringLiteral("- make copies of it for your own safekeeping;"),
        QStringLiteral("- give exact copies to other people free of charge, as long as each copy "
                       "includes this agreement unchanged."),
        QString(),
        QStringLiteral(
            "HOME USE.  This game is meant for fun at home and in the classroom. You may "
            "not sell it, rent it out or charge for"),
        QStringLiteral(
            "copies of it, and you may not include it with anything that is sold, unless "
            "the maker has first agreed to this in writing."),
        QStringLiteral("Please do not change the program, its pictures or its sounds, and do not "
                       "remove the copyright notice or this"),
        QStringLiteral("agreement from any copy you make or give away."),
        QString(),
        QStringLiteral(
            "TRANSFER.  You may give your copy of the software to someone else, provided "
            "that you pass on all of it, including"),
        QStringLiteral(
            "this agreement, and that the person receiving it accepts these terms. Their "
            "right to use the software then comes"),
        QStringLiteral("from this agreement, just as yours does. You may not transfer the software "
                       "to anyone for money or in exchange"),
        QStringLiteral("for goods or services."),
        QString(),
        QStringLiteral(
            "NO LIABILITY FOR CONSEQUENTIAL DAMAGES.  The software is given to you as it "
            "is. Brannoch Software has taken care"),
        QStringLiteral("to make it work well, but does not promise that it is free of faults or "
                       "that it suits any particular purpose."),
        QStringLiteral("To the fullest extent the law allows, the maker is not responsible for any "
                       "loss or damage that comes from using"),
        QStringLiteral(
            "the software or from being unable to use it. As Brannoch Software gives the "
            "game away free, you use it at your own"),
        QStringLiteral("risk. Some places do not allow these limits, so they may not apply to you; "
                       "in that case the maker's responsibility"),
        QStringLiteral("is limited to the smallest amount the law permits."),
        QString(),
        QStringLiteral("INDEMNIFICATION BY YOU.  If you use the software in a way that breaks this "
                       "agreement, and someone makes a claim"),
        QStringLiteral("against Brannoch Software because of it, you agree to cover the costs that "
                       "the maker reasonably faces as a result,"),
        QStringLiteral("including fair legal fees."),
        QString(),
        QStringLiteral("If you have any questions about this agreement, or want to get in touch "
                       "with Brannoch Software for any other"),
        QStringLiteral("reason, please write to us at:"),
        QString(),
        QStringLiteral("Brannoch Software"),
        QStringLiteral("27 Heather Row"),
        QStringLiteral("Kestrel Falls, ME 04999"),
        QStringLiteral("www.brannoch.example"),
    };
}

} // namespace info
