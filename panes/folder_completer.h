#pragma once

#include <QObject>

class QCompleter;
class QLineEdit;
class QStringListModel;

namespace tandem::panes {

// Completes a folder path typed into `box` with the folders of the folder
// typed so far, read from the disk as the text changes (hidden ones left
// out, as the tree leaves them out). The completer is made at the first
// folder typed: most starts never need one.
class FolderCompleter : public QObject {
    Q_OBJECT
public:
    explicit FolderCompleter(QLineEdit* box);

private:
    void textEdited(const QString& text);

    QLineEdit* box_;
    QCompleter* completer_ = nullptr;
    QStringListModel* folders_ = nullptr;
    QString listedFolder_;
};

} // namespace tandem::panes
