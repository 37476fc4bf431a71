#include "views/SettingsForm.h"

#include "views/kit/Palette.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

QWidget* makeSymbolTextLabel(const QString& text, const QString& symbol, Colour symbolColour,
                             QWidget* parent) {
    auto* label = new QWidget(parent);
    auto* row = new QHBoxLayout(label);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    if (!symbol.isEmpty())
        row->addWidget(makeSymbolLabel(symbol, symbolColour, 14, label));
    auto* title = makeLabel(text, TextStyle::body, {}, label);
    title->setObjectName(QStringLiteral("title"));
    row->addWidget(title);
    row->addStretch();
    label->setAccessibleName(text);
    return label;
}

QVBoxLayout* makeForm(QWidget* tab) {
    auto* form = new QVBoxLayout(tab);
    form->setContentsMargins(16, 12, 16, 16);
    form->setSpacing(4);
    return form;
}

QVBoxLayout* addFormSection(QVBoxLayout* form, const QString& title, const QString& symbol,
                            const QString& footer) {
    QWidget* parent = form->parentWidget();
    if (form->count() > 0)
        form->addSpacing(10);
    auto* header = new QWidget(parent);
    auto* headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(4, 0, 0, 2);
    headerRow->setSpacing(5);
    if (!symbol.isEmpty())
        headerRow->addWidget(makeSymbolLabel(symbol, Colour::secondary, 12, header));
    auto* headerText = makeLabel(title, TextStyle::subheadline, Colour::secondary, header);
    QFont font = headerText->font();
    font.setWeight(QFont::DemiBold);
    headerText->setFont(font);
    headerRow->addWidget(headerText);
    headerRow->addStretch();
    form->addWidget(header);

    auto* box = new QFrame(parent);
    box->setObjectName(QStringLiteral("formSection"));
    styleBox(box, Colour::controlBackground, 1.0, 8, 0.0);
    auto* rows = new QVBoxLayout(box);
    rows->setContentsMargins(12, 8, 12, 8);
    rows->setSpacing(8);
    form->addWidget(box);

    if (!footer.isEmpty()) {
        auto* caption = makeLabel(footer, TextStyle::caption, Colour::secondary, parent);
        caption->setWordWrap(true);
        caption->setContentsMargins(4, 2, 4, 0);
        form->addWidget(caption);
    }
    return rows;
}

QWidget* addFormRow(QVBoxLayout* section, QWidget* label, QWidget* control) {
    auto* row = new QWidget(section->parentWidget());
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    label->setParent(row);
    layout->addWidget(label, 1);
    if (control) {
        control->setParent(row);
        layout->addWidget(control, 0, Qt::AlignRight | Qt::AlignVCenter);
    }
    section->addWidget(row);
    return row;
}

QComboBox* makeSecondsMenu(const std::vector<std::pair<QString, double>>& choices, double current,
                           const char* key, QWidget* parent) {
    auto* menu = new QComboBox(parent);
    menu->setObjectName(QString::fromLatin1(key));
    menu->setFixedWidth(130);
    for (const auto& [text, seconds] : choices)
        menu->addItem(text, seconds);
    selectSeconds(menu, current);
    return menu;
}

void selectSeconds(QComboBox* menu, double value) {
    const QSignalBlocker blocker(menu);
    int index = menu->findData(value);
    if (index < 0) {
        menu->addItem(QStringLiteral("%1 seconds").arg(value), value);
        index = menu->count() - 1;
    }
    menu->setCurrentIndex(index);
}
