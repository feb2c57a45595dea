#pragma once

#include <QTreeWidget>

namespace tandem::dirtree {

// The tree view inside the folder tree control. It reports the mouse to the
// control with the buttons and keys as numbers (left 1, right 2, middle 4;
// Shift 1, Ctrl 2, Alt 4), and selects the node under the pointer before it
// reports a button going down.
class DirtreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit DirtreeView(QWidget* parent = nullptr);

signals:
    void mouseDown(int button, int shift, QPointF position);
    void mouseMove(int button, int shift, QPointF position);
    void mouseUp(int button, int shift, QPointF position);
    void click();
    void doubleClick();
    // The keys moved the selection to `node` (arrows, typing its name).
    void keySelected(QTreeWidgetItem* node);
    // Enter on `node`.
    void keyChosen(QTreeWidgetItem* node);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tandem::dirtree
