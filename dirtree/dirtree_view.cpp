#include "dirtree_view.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tandem::dirtree {

namespace {

int buttonNumber(Qt::MouseButtons buttons)
{
    int number = 0;
    if (buttons & Qt::LeftButton)
        number |= 1;
    if (buttons & Qt::RightButton)
        number |= 2;
    if (buttons & Qt::MiddleButton)
        number |= 4;
    return number;
}

int shiftNumber(Qt::KeyboardModifiers modifiers)
{
    int number = 0;
    if (modifiers & Qt::ShiftModifier)
        number |= 1;
    if (modifiers & Qt::ControlModifier)
        number |= 2;
    if (modifiers & Qt::AltModifier)
        number |= 4;
    return number;
}

} // namespace

DirtreeView::DirtreeView(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("TreeView1"));
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMouseTracking(true);
}

void DirtreeView::mousePressEvent(QMouseEvent* event)
{
    if (QTreeWidgetItem* node = itemAt(event->position().toPoint()))
        setCurrentItem(node);
    emit mouseDown(buttonNumber(event->button()), shiftNumber(event->modifiers()), event->position());
    QTreeWidget::mousePressEvent(event);
}

void DirtreeView::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMove(buttonNumber(event->buttons()), shiftNumber(event->modifiers()), event->position());
    QTreeWidget::mouseMoveEvent(event);
}

void DirtreeView::mouseReleaseEvent(QMouseEvent* event)
{
    QTreeWidget::mouseReleaseEvent(event);
    emit click();
    emit mouseUp(buttonNumber(event->button()), shiftNumber(event->modifiers()), event->position());
}

void DirtreeView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeWidget::mouseDoubleClickEvent(event);
    emit doubleClick();
}

void DirtreeView::keyPressEvent(QKeyEvent* event)
{
    QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(event);
    QTreeWidgetItem* after = currentItem();
    if (!after)
        return;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit keyChosen(after);
    else if (after != before)
        emit keySelected(after);
}

} // namespace tandem::dirtree
