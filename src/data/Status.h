#pragma once

#include <QString>

// The one way the libraries report failure: a short Czech message the windows
// can show to the user as it stands, and a technical detail for support.
class [[nodiscard]] Status final
{
public:
    Status() = default;

    static Status ok() { return {}; }
    static Status error(QString message, QString detail = {});

    bool isOk() const { return !m_failed; }
    explicit operator bool() const { return isOk(); }

    const QString& message() const { return m_message; }
    const QString& detail() const { return m_detail; }

    // Message and detail in one line, for logs of command-line tools and test output.
    QString toString() const;

private:
    bool m_failed = false;
    QString m_message;
    QString m_detail;
};
