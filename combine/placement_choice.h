#pragma once

#include "append_session.h"

#include <QObject>
#include <QString>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tandem::combine {

// Where File 2 goes in time: as recorded, after File 1 with a gap, or at a
// time. Each box is open while its option is chosen.
class PlacementChoice : public QObject {
    Q_OBJECT
public:
    // The controls are made inside `frame`.
    explicit PlacementChoice(QGroupBox* frame);

    // As recorded, After File 1, At.
    std::array<QRadioButton*, 3> PlacementOption{};
    QLineEdit* GapTextBox;
    // The gap's unit, after its box.
    QLabel* GapUnitLabel;
    QLineEdit* AtTextBox;

    engine::Placement Choice() const;

private:
    void optionClicked();
};

} // namespace tandem::combine
