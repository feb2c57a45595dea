#include "language_options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

namespace tandem::language {

const QStringList& LanguageNames()
{
    static const QStringList names = { QStringLiteral("Simple Chinese"), QStringLiteral("Traditional Chinese"),
        QStringLiteral("Korean"), QStringLiteral("Western"), QStringLiteral("Central European"),
        QStringLiteral("Greek"), QStringLiteral("Japanese 1"), QStringLiteral("Japanese 2"),
        QStringLiteral("Vietnamese"), QStringLiteral("Thai"), QStringLiteral("Cyrillic"), QStringLiteral("Russian") };
    return names;
}

LanguageOptions::LanguageOptions(QGroupBox* frame)
    : QObject(frame)
{
    NonEnglishCheck = new QCheckBox(QStringLiteral("Set &Language Translation Using..."), frame);
    NonEnglishCheck->setObjectName(QStringLiteral("NonEnglishCheck"));
    NonEnglishCheck->setEnabled(false);
    LanguageList = new QComboBox(frame);
    LanguageList->setObjectName(QStringLiteral("LanguageList"));
    LanguageList->setEnabled(false);
    connect(NonEnglishCheck, &QCheckBox::toggled, LanguageList, &QComboBox::setEnabled);
}

void LanguageOptions::FillLanguageList()
{
    LanguageList->clear();
    LanguageList->addItems(LanguageNames());
    LanguageList->setCurrentIndex(-1);
}

} // namespace tandem::language
