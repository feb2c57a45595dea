#include "placement_choice.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace tandem::combine {

PlacementChoice::PlacementChoice(QGroupBox* frame)
    : QObject(frame)
{
    const QString captions[3] = { QStringLiteral("As recor&ded"), QStringLiteral("After F&ile 1"),
        QStringLiteral("At ti&me") };
    for (std::size_t i = 0; i < 3; ++i) {
        PlacementOption[i] = new QRadioButton(captions[i], frame);
        PlacementOption[i]->setObjectName(QStringLiteral("PlacementOption%1").arg(i + 1));
        connect(PlacementOption[i], &QRadioButton::toggled, this, &PlacementChoice::optionClicked);
    }
    GapTextBox = new QLineEdit(QStringLiteral("0"), frame);
    GapTextBox->setObjectName(QStringLiteral("GapTextBox"));
    GapTextBox->setToolTip(QStringLiteral("Seconds between the end of File 1's last clip and File 2"));
    GapUnitLabel = new QLabel(QStringLiteral("s"), frame);
    GapUnitLabel->setObjectName(QStringLiteral("GapUnitLabel"));
    AtTextBox = new QLineEdit(frame);
    AtTextBox->setObjectName(QStringLiteral("AtTextBox"));
    AtTextBox->setPlaceholderText(QStringLiteral("h:mm:ss.fff"));
    AtTextBox->setToolTip(QStringLiteral("Where File 2 starts: h:mm:ss.fff (also m:ss.fff or ss.fff), or samples"));
    PlacementOption[0]->setChecked(true);
}

engine::Placement PlacementChoice::Choice() const
{
    if (PlacementOption[1]->isChecked())
        return engine::Placement::AfterFile1;
    if (PlacementOption[2]->isChecked())
        return engine::Placement::At;
    return engine::Placement::AsRecorded;
}

void PlacementChoice::optionClicked()
{
    GapTextBox->setEnabled(Choice() == engine::Placement::AfterFile1);
    GapUnitLabel->setEnabled(GapTextBox->isEnabled());
    AtTextBox->setEnabled(Choice() == engine::Placement::At);
}

} // namespace tandem::combine
