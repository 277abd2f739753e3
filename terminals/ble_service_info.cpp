#include "terminals/ble_service_info.h"

#include <QLowEnergyService>

ServiceInfo::ServiceInfo(QLowEnergyService *service)
    : m_service(service)
{
    if (m_service)
        m_service->setParent(this);
}

QLowEnergyService *ServiceInfo::service() const
{
    return m_service;
}

QString ServiceInfo::getName() const
{
    return m_service ? m_service->serviceName() : QString();
}

QString ServiceInfo::getUuid() const
{
    return m_service ? m_service->serviceUuid().toString() : QString();
}

QString ServiceInfo::getType() const
{
    if (!m_service)
        return QString();
    const QLowEnergyService::ServiceTypes flags = m_service->type();
    QString text = flags.testFlag(QLowEnergyService::PrimaryService) ? QStringLiteral("primary")
                                                                      : QStringLiteral("secondary");
    if (flags.testFlag(QLowEnergyService::IncludedService))
        text += QStringLiteral(" included");
    return QLatin1Char('<') + text + QLatin1Char('>');
}
