#pragma once

#include "views/HelpTopic.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <string_view>

class QLabel;
class QListWidget;
class QVBoxLayout;

// The help window: topics on the left, the selected topic's explanation and tips on the right.
class HelpView final : public QWidget {
    Q_OBJECT

public:
    explicit HelpView(QWidget* parent = nullptr);

    // Rich text for a topic's text: "**" pairs become bold, line breaks stay, everything else is
    // shown as written.
    static QString richText(std::string_view text);

    std::optional<HelpTopic> selectedTopic() const { return m_selectedTopic; }
    void selectTopic(HelpTopic topic);
    QListWidget* sidebar() const { return m_sidebar; }
    // The detail area's text and tips as shown.
    QLabel* contentLabel() const { return m_content; }
    QStringList shownTips() const;
    QSize sizeHint() const override { return {650, 450}; }

private:
    void showTopic(HelpTopic topic);

    std::optional<HelpTopic> m_selectedTopic;
    QListWidget* m_sidebar = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_content = nullptr;
    QWidget* m_tips = nullptr;
    QVBoxLayout* m_tipRows = nullptr;
};
