#include "RuntimeError.h"

namespace app {

RuntimeError::RuntimeError(int number, QString description)
    : number_(number), description_(std::move(description)),
      what_(QStringLiteral("Run-time error '%1': %2").arg(number).arg(description_).toStdString()) {
}

} // namespace app
