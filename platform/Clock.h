#pragma once

/// A local date and time as the PC's clock gives it.
struct LocalDateTime
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

class Clock
{
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual LocalDateTime now() const = 0;
};

class SystemClock : public Clock
{
public:
    [[nodiscard]] LocalDateTime now() const override;
};

/// A clock that stands still until a test moves it.
class FixedClock : public Clock
{
public:
    explicit FixedClock(LocalDateTime time) : m_time(time) {}
    [[nodiscard]] LocalDateTime now() const override { return m_time; }
    void set(LocalDateTime time) { m_time = time; }

private:
    LocalDateTime m_time;
};
