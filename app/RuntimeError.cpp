#include "RuntimeError.h"

#include <QCoreApplication>

namespace app {

RuntimeError::RuntimeError(int number, QString description)
    : number_(number), description_(std::move(description)),
      what_((heading() + u' ' + description_).toStdString()) {}

QString RuntimeError::heading() const {
    //: The heading of the report of a failure the game cannot go on from; %1 is its number.
    return QCoreApplication::translate("Problems", "Run-time error '%1':").arg(number_);
}

} // namespace app
