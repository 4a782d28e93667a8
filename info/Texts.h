#pragma once

#include <QString>
#include <QStringList>

namespace info {

// The maker's notice, shown under the help text's title and in the About window alike.
QString copyrightNotice();

// The rules of play as the help window prints them, one entry a line.
QStringList helpText();

// The licence agreement as the License window lists it, one entry a line.
QStringList licenseText();

} // namespace info
