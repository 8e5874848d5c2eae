// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a colour row: a field beside the settings pages lists the rows of every page whose
// name (as shown, or its English caption) or value holds the typed words; choosing one shows its
// page with the row focused. Edit › Find (Ctrl+F) goes to the field.

#include "editorpanel.h"
#include "styledocument.h"
#include "ui_editorpanel.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>
#include <algorithm>

namespace {
constexpr int resultsHeight = 150;
constexpr int resultsWidth = 280; // wider than the field: "Lists › Text Selected   #ffffff"
} // namespace

void EditorPanel::setUpFind()
{
    // Above the pages, in the free stretch before their "Reset"; shown with them.
    auto *field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("findColour"));
    field->setPlaceholderText(tr("Find a colour"));
    field->setAccessibleName(tr("Find a colour"));
    // The clear button shows only over a text. Its picture is looked up in the desktop's icon
    // theme, a search through the theme's folders that cost more than the rest of the window's
    // start-up under X11: the field gets the button with its first text, where it first shows.
    connect(field, &QLineEdit::textChanged, field, [field] {
        if (field->isClearButtonEnabled())
            return;
        field->setClearButtonEnabled(true);
        // Qt's own clear button has no name a screen reader could read.
        if (auto *clear = field->findChild<QToolButton *>())
            clear->setAccessibleName(tr("Clear the Search"));
    });
    ui->editingRow->insertWidget(ui->editingRow->indexOf(ui->resetAllButton), field, 1);
    field->setMaximumWidth(resultsWidth);
    connect(ui->changeColoursBox, &QCheckBox::toggled, field, &QWidget::setVisible);
    auto *escape = new QAction(tr("Clear the Search"), field);
    escape->setShortcut(Qt::Key_Escape);
    escape->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    field->addAction(escape);
    connect(escape, &QAction::triggered, field, &QLineEdit::clear);
    connect(field, &QLineEdit::textChanged, this, [this, field](const QString &text) {
        const QString wanted = text.trimmed();
        if (wanted.isEmpty() && !m_findResults)
            return;
        QListWidget *results = findResults(field);
        results->clear();
        results->setVisible(!wanted.isEmpty());
        if (wanted.isEmpty())
            return;
        for (int key = 0; key < stylekeys::colourKeyCount; ++key) {
            const QString value =
                colourName(stylekeys::colourKeys[key], m_document.style().colours[std::size_t(key)]);
            const QString name = rowName(key, false);
            // "info back" finds Info › Background: the page and the caption, read as words. The
            // English caption is found too, so that "Selected" finds "Listen › Auswahl" in German.
            const QString words = name + QLatin1Char(' ') +
                                  QLatin1String(stylekeys::colourKeys[key].caption) + QLatin1Char(' ') +
                                  value;
            const QStringList typed = wanted.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (std::all_of(typed.begin(), typed.end(), [&words](const QString &word) {
                    return words.contains(word, Qt::CaseInsensitive);
                })) {
                auto *item = new QListWidgetItem(name + QStringLiteral("   ") + value, results);
                item->setData(Qt::UserRole, key);
            }
        }
        if (results->count() == 0)
            new QListWidgetItem(tr("No colour matches \"%1\"").arg(wanted), results);
        const QRect corner(field->mapTo(this, QPoint(0, 0)), field->size());
        results->setGeometry(corner.right() - resultsWidth, corner.bottom() + 1, resultsWidth, resultsHeight);
        results->raise();
    });
    connect(field, &QLineEdit::returnPressed, this, [this, field] {
        if (m_findResults)
            goToFound(m_findResults->item(0), field);
    });

    auto *find = new QAction(tr("&Find…"), m_editMenu);
    find->setObjectName(QStringLiteral("actionFind"));
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, field, [field] {
        field->setFocus(Qt::ShortcutFocusReason);
        field->selectAll();
    });
    // The field is there only with the settings pages.
    find->setEnabled(ui->changeColoursBox->isChecked());
    connect(ui->changeColoursBox, &QCheckBox::toggled, find, &QAction::setEnabled);
    m_editMenu->addSeparator();
    m_editMenu->addAction(find);
}

QListWidget *EditorPanel::findResults(QLineEdit *field)
{
    if (m_findResults)
        return m_findResults;
    // Over the pages, below the field, as a completer's list would be; made with the first search.
    m_findResults = new QListWidget(this);
    m_findResults->setObjectName(QStringLiteral("findResults"));
    m_findResults->setAccessibleName(tr("Colours found"));
    m_findResults->hide();
    const auto go = [this, field](const QListWidgetItem *item) { goToFound(item, field); };
    connect(m_findResults, &QListWidget::itemActivated, this, go);
    connect(m_findResults, &QListWidget::itemClicked, this, go);
    emit widgetsAdded(this);
    return m_findResults;
}

void EditorPanel::goToFound(const QListWidgetItem *item, QLineEdit *field)
{
    if (!item || !item->data(Qt::UserRole).isValid())
        return;
    const int key = item->data(Qt::UserRole).toInt();
    ui->settingsPages->setCurrentIndex(int(stylekeys::colourKeys[key].page));
    field->clear();
    m_rows.colours[std::size_t(key)].pick->setFocus();
}
