// The Qt side of the test support: the preview measurer, and reading JSON.
#include "qt_test_support.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <gtest/gtest.h>

#include "qt/qt_text_measurer.h"
#include "test_support.h"

namespace mirelo::test {

std::unique_ptr<TextMeasurer> PreviewMeasurer(int dpi, bool fastPrefixWidths) {
  return std::make_unique<qt::QtTextMeasurer>(dpi, fastPrefixWidths);
}

QJsonObject ParseJsonObject(const std::string& text) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << "\n"
                                                   << text;
  EXPECT_TRUE(doc.isObject()) << text;
  return doc.object();
}

}  // namespace mirelo::test

void PrintTo(const QJsonValue& value, std::ostream* os) {
  if (value.isUndefined()) {
    *os << "(no value)";
    return;
  }
  const QByteArray json = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
  *os << json.mid(1, json.size() - 2).toStdString();  // without the array's brackets
}
