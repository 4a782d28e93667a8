#include "RuntimeError.h"

namespace app {

RuntimeError::RuntimeError(int number, QString description)
    : number_(number), description_(std::move(description)),
      what_((heading() + u' ' + description_).toStdString()) {}

QString RuntimeError::heading() const {
    return QStringLiteral("Run-time error '%1':").arg(number_);
}

} // namespace app
