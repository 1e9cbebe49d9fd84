#pragma once

#include <QDate>
#include <QDateTime>

/// The user's calendar and clock, so that tests can fix the current month
/// and the time.
class Calendar
{
public:
    virtual ~Calendar() = default;
    /// The current month, 1 to 12.
    [[nodiscard]] virtual int currentMonth() const = 0;
    /// The local date and time.
    [[nodiscard]] virtual QDateTime now() const { return QDateTime::currentDateTime(); }
};

/// The system's calendar.
class SystemCalendar final : public Calendar
{
public:
    [[nodiscard]] int currentMonth() const override { return QDate::currentDate().month(); }
};

/// Test double: a calendar stopped in one month; its clock runs until it
/// is set, then stays where it was set.
class FixedCalendar final : public Calendar
{
public:
    explicit FixedCalendar(int month) : _month(month) {}
    [[nodiscard]] int currentMonth() const override { return _month; }
    void setMonth(int month) { _month = month; }
    [[nodiscard]] QDateTime now() const override { return _now.isValid() ? _now : Calendar::now(); }
    void setNow(const QDateTime &now) { _now = now; }

private:
    int _month;
    QDateTime _now;
};
