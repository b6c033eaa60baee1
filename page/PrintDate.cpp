#include "PrintDate.h"

namespace glimmerset::page {

QString PrintDateText(const QDateTime& when, const QLocale& locale) {
  QString text = locale.toString(when.date(), QLocale::ShortFormat);
  if (when.time().msecsSinceStartOfDay() != 0) text += QLatin1Char(' ') + locale.toString(when.time(), QLocale::LongFormat);
  return text;
}

}  // namespace glimmerset::page
