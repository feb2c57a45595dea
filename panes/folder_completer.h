#pragma once

#include <QObject>

class QCompleter;
class QLineEdit;
class QStringListModel;

namespace tandem::panes {

// Completes a folder path typed into `box` with the folders of the folder
// typed so far, read from the disk as the text changes (hidden ones left
// out, as the tree leaves them out).
class FolderCompleter : public QObject {
    Q_OBJECT
public:
    explicit FolderCompleter(QLineEdit* box);

    QCompleter* Completer() const { return completer_; }

private:
    void textEdited(const QString& text);

    QLineEdit* box_;
    QCompleter* completer_;
    QStringListModel* folders_;
    QString listedFolder_;
};

} // namespace tandem::panes
