# A speech server for Orca that speaks nothing and records every utterance, in the order Orca
# would have it heard. Orca loads it when its settings name it as speechServerFactory (this
# file's folder is Orca's prefs dir, which Orca puts on sys.path).
# Each record is one line:  <seconds since epoch>\t<kind>\t<text>
# kind: speak (interrupts what was being said), queue (interrupt=False),
#       char, key, sayall, stop.  Newlines and tabs in text become spaces.
import os
import time

from orca import chnames
from orca import debug
from orca import orca_state
from orca import speechserver

_LOG = os.environ.get("BNG_SPEECH_LOG") or os.path.join(
    os.path.dirname(os.path.abspath(__file__)), "speech.log")


def _write(kind, text):
    text = " ".join(str(text).split())
    with open(_LOG, "a", encoding="utf-8") as f:
        f.write("%.6f\t%s\t%s\n" % (time.time(), kind, text))
    debug.println(debug.LEVEL_INFO, "RECORDED SPEECH: %s '%s'" % (kind, text), True)


class SpeechServer(speechserver.SpeechServer):
    _active = {}

    @staticmethod
    def getFactoryName():
        return "the tests' speech recorder"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if "default" not in SpeechServer._active:
            SpeechServer._active["default"] = SpeechServer()
        return SpeechServer._active["default"]

    @staticmethod
    def shutdownActiveServers():
        SpeechServer._active.clear()

    def getInfo(self):
        return ["the tests' speech recorder", "default"]

    def getVoiceFamilies(self):
        return [speechserver.VoiceFamily({speechserver.VoiceFamily.NAME: "default",
                                          speechserver.VoiceFamily.LANG: "en"})]

    def speak(self, text=None, acss=None, interrupt=True):
        if text:
            _write("speak" if interrupt else "queue", text)

    def speakCharacter(self, character, acss=None):
        name = chnames.getCharacterName(character)
        _write("char", name if name else character)

    def speakKeyEvent(self, event, acss=None):
        s = event.getKeyName()
        if orca_state.activeScript:
            s = orca_state.activeScript.utilities.adjustForPronunciation(s)
        _write("key", ("%s %s" % (s, event.getLockingStateString())).strip())

    def sayAll(self, utteranceIterator, progressCallback):
        # Speak every chunk at once and tell Orca each one completed.
        for context, acss in utteranceIterator:
            _write("sayall", context.utterance)
            context.currentOffset = context.endOffset
            progressCallback(context.copy(), speechserver.SayAllContext.COMPLETED)

    def stop(self):
        _write("stop", "")

    def shutdown(self):
        SpeechServer._active.pop("default", None)

    def reset(self, text=None, acss=None):
        pass
