#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <QWindow>

#include "board_view.h"
#include "overlay.h"

namespace quib::desktop {

namespace {

// The cell under the keyboard cursor. It has no widget of its own: it reads
// the board view's cursor and the game's board each time it is asked.
class CursorCellAccessible : public QAccessibleInterface {
public:
    explicit CursorCellAccessible(BoardView* view) : view_(view) {}
    bool isValid() const override { return !view_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (!view_ || t != QAccessible::Name) return {};
        return DescribeCell(view_->session(), view_->cursorCell());
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!view_) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.focused = view_->hasFocus();
        s.selectable = true;
        const Board& b = view_->session().board;
        s.selected = b.SelectedFrog > 0 && b.SelectedFrog < static_cast<int>(b.Rect.size()) &&
                     b.Rect[static_cast<std::size_t>(b.SelectedFrog)].CellNumber == view_->cursorCell();
        return s;
    }
    QRect rect() const override {
        if (!view_) return {};
        const Board& b = view_->session().board;
        const int n = view_->cursorCell();
        if (n < 1 || n >= static_cast<int>(b.Grid.size())) return {};
        const Cell& c = b.Grid[static_cast<std::size_t>(n)];
        const QRectF local(view_->toWidget({c.Left, c.Top}), view_->toWidget({c.Left + c.Width, c.Top + c.Height}));
        return QRect(view_->mapToGlobal(local.topLeft().toPoint()), local.size().toSize());
    }

private:
    QPointer<BoardView> view_;
};

// The board: child 0 is the cursor's cell, then the labels over it.
class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(BoardView* view)
        : QAccessibleWidget(view, QAccessible::Canvas,
                            QCoreApplication::translate("Accessibility", "Board")) {
        // Owned by Qt's accessibility cache from here on.
        cell_ = new CursorCellAccessible(view);
        QAccessible::registerAccessibleInterface(cell_);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return QCoreApplication::translate("Accessibility", "Board");
        if (t == QAccessible::Description)
            return QCoreApplication::translate(
                "Accessibility",
                "Arrow keys move the cursor; Space or Enter selects the frog under "
                "it or jumps there; Escape lets go of the selected frog.");
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? cell_ : QAccessibleWidget::child(index - 1);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == cell_) return 0;
        const int i = QAccessibleWidget::indexOfChild(child);
        return i < 0 ? -1 : i + 1;
    }
    QAccessibleInterface* focusChild() const override {
        return widget()->hasFocus() ? cell_ : QAccessibleWidget::focusChild();
    }

private:
    CursorCellAccessible* cell_ = nullptr;
};

QAccessible::Role RoleOf(const TextItem* item) {
    switch (item->style()) {
        case TextItem::Style::Choice: return QAccessible::Button;
        case TextItem::Style::Link: return QAccessible::Link;
        case TextItem::Style::Heading:
        case TextItem::Style::Title: return QAccessible::Heading;
        case TextItem::Style::Plain: break;
    }
    return QAccessible::StaticText;
}

class TextItemAccessible : public QAccessibleWidget {
public:
    explicit TextItemAccessible(TextItem* item) : QAccessibleWidget(item, RoleOf(item)) {}
    TextItem* item() const { return static_cast<TextItem*>(widget()); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return item()->text();
        if (t == QAccessible::Description) {
            // The lines read with this one, as far as they show.
            QStringList lines;
            for (const QString& name : item()->readWith()) {
                auto* other = item()->parentWidget()->findChild<TextItem*>(name);
                if (other && other->isVisible() && !other->text().isEmpty()) lines << other->text();
            }
            if (!lines.isEmpty()) return lines.join(QLatin1Char('\n'));
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return item()->isClickable() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction() && item()->isClickable())
            item()->activate();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("quib::desktop::BoardView"))
        return new BoardAccessible(static_cast<BoardView*>(object));
    if (className == QLatin1String("quib::desktop::TextItem"))
        return new TextItemAccessible(static_cast<TextItem*>(object));
    return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
    static bool installed = false;
    if (installed) return;
    QAccessible::installFactory(Factory);
    installed = true;
}

void LinkMessageLines(QWidget* board) {
    auto link = [board](const char* name, const QStringList& lines) {
        if (auto* item = board->findChild<TextItem*>(QString::fromLatin1(name))) item->setReadWith(lines);
    };
    link("Label2", {QStringLiteral("Label3b"), QStringLiteral("Label6")});
    link("RoundOverLabel", {QStringLiteral("Label1")});
    QStringList rows;
    for (int i = 0; i <= 10; ++i)
        for (const char* column : {"NamesLabel", "ScoreLabel", "TimeLabel"})
            rows << QStringLiteral("%1(%2)").arg(QLatin1String(column)).arg(i);
    link("HighLabel", rows);
}

QString DescribeCell(const Session& session, int cell) {
    const Board& b = session.board;
    if (cell < 1 || cell >= static_cast<int>(b.Grid.size()) || b.BoardColumns < 1) return {};
    const int row = (cell - 1) / b.BoardColumns + 1;
    const int column = (cell - 1) % b.BoardColumns + 1;
    const Cell& c = b.Grid[static_cast<std::size_t>(cell)];
    if (c.RecordNumber != 0) {
        const bool selected = b.SelectedFrog > 0 && b.SelectedFrog < static_cast<int>(b.Rect.size()) &&
                              b.Rect[static_cast<std::size_t>(b.SelectedFrog)].CellNumber == cell;
        return (selected ? QCoreApplication::translate("Accessibility", "frog, row %1, column %2, selected")
                         : QCoreApplication::translate("Accessibility", "frog, row %1, column %2"))
            .arg(row)
            .arg(column);
    }
    // A coloured outline on an empty cell is a landing hint of the selected frog.
    const bool landing = c.Outlined && c.BorderColor != 0;
    return (landing
                ? QCoreApplication::translate("Accessibility", "empty cell, row %1, column %2, landing cell")
                : QCoreApplication::translate("Accessibility", "empty cell, row %1, column %2"))
        .arg(row)
        .arg(column);
}

void AnnounceCursorCell(BoardView* board) {
    if (!QAccessible::isActive() || !board->hasFocus()) return;
    QAccessibleEvent focus(board, QAccessible::Focus);
    focus.setChild(0);
    QAccessible::updateAccessibility(&focus);
    QAccessibleEvent name(board, QAccessible::NameChanged);
    name.setChild(0);
    QAccessible::updateAccessibility(&name);
}

}  // namespace quib::desktop
