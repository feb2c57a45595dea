#include "track_choice.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace tandem::combine {

namespace {

QString caption(const engine::SessionTrack& track)
{
    const QString name =
        track.name.empty() ? QStringLiteral("Track %1").arg(track.position) : QString::fromStdString(track.name);
    return track.bus ? name + QStringLiteral(" (bus)") : name;
}

} // namespace

std::optional<std::vector<int>> ChooseTracks(const QString& file2, const std::vector<engine::SessionTrack>& tracks)
{
    QDialog dialog(QApplication::activeWindow());
    dialog.setObjectName(QStringLiteral("TrackChoice"));
    dialog.setWindowTitle(QStringLiteral("Choose tracks"));
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("TrackList"));
    list->setAccessibleName(QStringLiteral("Tracks of File 2"));
    list->setAccessibleDescription(QStringLiteral("The ticked tracks go into the combined session"));
    for (const engine::SessionTrack& track : tracks) {
        auto* item = new QListWidgetItem(caption(track), list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    // The file's name as it is, whatever characters it holds.
    auto* label = new QLabel(QStringLiteral("&Tracks of %1 to merge:")
                                 .arg(QFileInfo(file2).fileName().replace(QLatin1Char('&'), QLatin1String("&&"))),
        &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    std::vector<int> ticked;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == Qt::Checked)
            ticked.push_back(tracks[static_cast<std::size_t>(row)].position);
    return ticked;
}

} // namespace tandem::combine
