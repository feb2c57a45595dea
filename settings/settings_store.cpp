#include "settings_store.h"

namespace tandem::settings {

namespace {

const QString application = QStringLiteral("Tandem");

QString keyOf(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

} // namespace

QSettingsStore::QSettingsStore()
#ifdef _WIN32
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, application, application))
#else
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, application, application))
#endif
{
}

QSettingsStore::QSettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

QString QSettingsStore::Read(const QString& section, const QString& key, const QString& defaultValue) const
{
    return settings_->value(keyOf(section, key), defaultValue).toString();
}

void QSettingsStore::Write(const QString& section, const QString& key, const QString& value)
{
    settings_->setValue(keyOf(section, key), value);
}

void QSettingsStore::DeleteSection(const QString& section) { settings_->remove(section); }

bool QSettingsStore::Save()
{
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

} // namespace tandem::settings
