// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a step that can fail gives back: its value, or why it failed, in the user's words. A
// failure is told by the type, not by an empty text, so a failure whose reason came out empty is
// still a failure.

#include <QString>

#include <optional>
#include <utility>

// Why a step failed; it becomes the failed result of any step.
struct Failure
{
    QString reason;
};

template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_reason(std::move(failure.reason)) {}

    explicit operator bool() const { return m_value.has_value(); }
    const T &operator*() const { return *m_value; }
    const T *operator->() const { return &*m_value; }
    const QString &error() const { return m_reason; } // empty on success

private:
    std::optional<T> m_value;
    QString m_reason;
};

// A step that gives nothing back but may fail.
template <> class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure) : m_failed(true), m_reason(std::move(failure.reason)) {}

    explicit operator bool() const { return !m_failed; }
    const QString &error() const { return m_reason; } // empty on success

private:
    bool m_failed = false;
    QString m_reason;
};
