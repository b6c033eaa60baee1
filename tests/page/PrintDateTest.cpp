// The footer's date and time: the locale's short date, a blank and its long time, the time left
// out at exactly midnight.
#include <gtest/gtest.h>

#include "page/PrintDate.h"

using glimmerset::page::PrintDateText;

TEST(PrintDate, ShortDateBlankLongTimeInTheLocale) {
  const QDate day(2026, 12, 10);
  for (const char* name : {"en_US", "de_DE", "fr_FR", "ja_JP"}) {
    SCOPED_TRACE(name);
    const QLocale locale{QString::fromLatin1(name)};
    const QTime time(13, 25, 46);
    EXPECT_EQ(PrintDateText(QDateTime(day, time), locale),
              locale.toString(day, QLocale::ShortFormat) + QLatin1Char(' ') + locale.toString(time, QLocale::LongFormat));
    EXPECT_EQ(PrintDateText(QDateTime(day, QTime(0, 0)), locale), locale.toString(day, QLocale::ShortFormat));
  }
}

TEST(PrintDate, OnlyExactMidnightLeavesTheTimeOut) {
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  const QDate day(2026, 1, 2);
  EXPECT_EQ(PrintDateText(QDateTime(day, QTime(0, 0)), english), QStringLiteral("1/2/26"));
  EXPECT_TRUE(PrintDateText(QDateTime(day, QTime(0, 0, 0, 1)), english).startsWith(QStringLiteral("1/2/26 12:00:00")));
  EXPECT_TRUE(PrintDateText(QDateTime(day, QTime(0, 0, 1)), english).startsWith(QStringLiteral("1/2/26 12:00:01")));
  EXPECT_TRUE(PrintDateText(QDateTime(day, QTime(23, 59, 59)), english).startsWith(QStringLiteral("1/2/26 11:59:59")));
}
