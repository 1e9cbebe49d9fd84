#pragma once

#include <QDate>

/// The user's calendar, so that tests can fix the current month.
class Calendar
{
public:
    virtual ~Calendar() = default;
    /// The current month, 1 to 12.
    [[nodiscard]] virtual int currentMonth() const = 0;
};

/// The system's calendar.
class SystemCalendar final : public Calendar
{
public:
    [[nodiscard]] int currentMonth() const override { return QDate::currentDate().month(); }
};

/// Test double: a calendar stopped in one month.
class FixedCalendar final : public Calendar
{
public:
    explicit FixedCalendar(int month) : _month(month) {}
    [[nodiscard]] int currentMonth() const override { return _month; }
    void setMonth(int month) { _month = month; }

private:
    int _month;
};
