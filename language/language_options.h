#pragma once

#include <QObject>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QGroupBox;

namespace tandem::language {

// The twelve languages, in the order whose index the settings keep.
const QStringList& LanguageNames();

// The "Language Options" frame: a check box that nothing enables and a list
// of languages that can be used only while the box is ticked. Session files
// are read and written the same whatever they say.
class LanguageOptions : public QObject {
    Q_OBJECT
public:
    explicit LanguageOptions(QGroupBox* frame);

    QCheckBox* NonEnglishCheck;
    QComboBox* LanguageList;

    // Puts the twelve names into the list, with none selected.
    void FillLanguageList();
};

} // namespace tandem::language
