#include "Status.h"

Status Status::error(QString message, QString detail)
{
    Status s;
    s.m_failed = true;
    s.m_message = std::move(message);
    s.m_detail = std::move(detail);
    return s;
}

QString Status::toString() const
{
    if (isOk())
        return QStringLiteral("OK");
    if (m_detail.isEmpty())
        return m_message;
    return m_message + QStringLiteral(" (") + m_detail + QLatin1Char(')');
}
