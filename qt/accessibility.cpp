#include "accessibility.h"

#include "controls.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>

namespace {

// Offsets as the accessibility bridge gives them: -2 is the caret.
constexpr int caretOffset = -2;

// An answer box as Qt's own line edit presents it (text, caret, selection, editing, state and
// value), but with its text as one run of attributes.
class AnswerBoxAccessible final : public QAccessibleWidget,
                                  public QAccessibleTextInterface,
                                  public QAccessibleEditableTextInterface {
public:
    explicit AnswerBoxAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText)
    {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return box()->text();
        return QAccessibleWidget::text(type);
    }
    void setText(QAccessible::Text type, const QString &text) override
    {
        if (type == QAccessible::Value)
            box()->setText(text);
        else
            QAccessibleWidget::setText(type, text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // QAccessibleTextInterface
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        Q_UNUSED(offset);
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset)
            return {};
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->text().size()); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !box()->hasSelectedText())
            return;
        *startOffset = box()->selectionStart();
        *endOffset = *startOffset + box()->selectionLength();
    }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            box()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            box()->setSelection(startOffset, endOffset - startOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                             int *endOffset) const override
    {
        return QAccessibleTextInterface::textBeforeOffset(caret(offset), boundary, startOffset,
                                                          endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                            int *endOffset) const override
    {
        return QAccessibleTextInterface::textAfterOffset(caret(offset), boundary, startOffset,
                                                         endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int *startOffset,
                         int *endOffset) const override
    {
        return QAccessibleTextInterface::textAtOffset(caret(offset), boundary, startOffset,
                                                      endOffset);
    }
    // QLineEdit lays out its text privately: a character's place comes from the box's font
    // metrics and its text area, as long as the text fits it.
    QRect characterRect(int offset) const override
    {
        const QString character = text(offset, offset + 1);
        if (character.isEmpty())
            return {};
        const QFontMetrics metrics(box()->font());
        const QRect area = textArea();
        const int textWidth = metrics.horizontalAdvance(box()->text());
        int left = area.left() + metrics.horizontalAdvance(box()->text().left(offset));
        if (box()->alignment() & Qt::AlignHCenter && textWidth < area.width())
            left += (area.width() - textWidth) / 2;
        const QRect rect(left, area.top() + (area.height() - metrics.height()) / 2,
                         metrics.horizontalAdvance(character), metrics.height());
        return rect.translated(box()->mapToGlobal(QPoint()));
    }
    // The character under the point; the line edit itself answers with the nearest boundary
    // between characters, which is the next character's from the middle of one on.
    int offsetAtPoint(const QPoint &point) const override
    {
        const int boundary = box()->cursorPositionAt(box()->mapFromGlobal(point));
        for (int offset : {boundary - 1, boundary})
            if (offset >= 0 && characterRect(offset).contains(point))
                return offset;
        return -1;
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        box()->setCursorPosition(endIndex);
        box()->setCursorPosition(startIndex);
    }

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override
    {
        box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString &text) override
    {
        box()->setText(box()->text().insert(offset, text));
    }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
    int caret(int offset) const { return offset == caretOffset ? cursorPosition() : offset; }

    QRect textArea() const
    {
        const int frame =
            box()->hasFrame()
                ? box()->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box())
                : 0;
        return box()
            ->contentsRect()
            .marginsRemoved(box()->textMargins())
            .adjusted(frame, frame, -frame, -frame);
    }
};

} // namespace

QAccessibleInterface *accessibleControl(const QString &, QObject *object)
{
    if (auto *box = qobject_cast<QLineEdit *>(object))
        return new AnswerBoxAccessible(box);
    if (auto *box = dynamic_cast<PictureBox *>(object))
        return new QAccessibleWidget(box, box->accessibleRole());
    if (auto *announcement = dynamic_cast<Announcement *>(object))
        return new QAccessibleWidget(announcement, QAccessible::Notification);
    return nullptr;
}
