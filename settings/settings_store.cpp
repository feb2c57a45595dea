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
    if (settings_->status() != QSettings::FormatError)
        return settings_->status() == QSettings::NoError;
    // A line that was no setting leaves its mark on the status for good and
    // hides whether the writing worked: the file read back tells.
    const QSettings written(settings_->fileName(), settings_->format());
    if (written.status() == QSettings::AccessError)
        return false;
    for (const QString& key : settings_->allKeys())
        if (written.value(key) != settings_->value(key))
            return false;
    return true;
}

QString QSettingsStore::FileName() const
{
    return settings_->format() == QSettings::NativeFormat ? QString() : settings_->fileName();
}

} // namespace tandem::settings
