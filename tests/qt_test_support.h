// Reading the JSON the program prints, with Qt's JSON classes.
#pragma once

#include <QJsonObject>
#include <QJsonValue>

#include <ostream>
#include <string>

namespace mirelo::test {

// The JSON object in text; a test failure, and an empty object, where text
// is not one.
QJsonObject ParseJsonObject(const std::string& text);

}  // namespace mirelo::test

// Lets a failed comparison of JSON values show them as JSON text. It stands
// beside QJsonValue, where the test framework looks for it.
void PrintTo(const QJsonValue& value, std::ostream* os);
