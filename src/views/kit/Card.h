#pragma once

#include <QFrame>
#include <QString>

class QLabel;
class QToolButton;
class QVBoxLayout;

// The rounded box every measurement on the diagnostics page sits in. Children go into `content()`.
class Card final : public QFrame {
    Q_OBJECT

public:
    explicit Card(QWidget* parent = nullptr);
    QVBoxLayout* content() const { return m_content; }

private:
    QVBoxLayout* m_content = nullptr;
};

// Fills `owner` edge to edge with one card and answers the card's column.
QVBoxLayout* fillWithCard(QWidget* owner);

// An upper-case card title: caption, semibold, secondary colour.
QLabel* makeCardTitle(const QString& text, QWidget* parent = nullptr);

// A header row that spans its panel and toggles it: the title, optional trailing text, and a chevron
// pointing up while expanded. The owner shows or hides its body on `toggled`.
class CollapsibleHeader final : public QFrame {
    Q_OBJECT

public:
    explicit CollapsibleHeader(const QString& title, QWidget* parent = nullptr);

    bool isExpanded() const { return m_expanded; }
    void setExpanded(bool expanded);
    // Caption text after the title, e.g. a count while collapsed; empty hides it.
    void setDetail(const QString& detail);
    QString detail() const;
    QLabel* title() const { return m_title; }

signals:
    void toggled(bool expanded);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateChevron();

    QLabel* m_title = nullptr;
    QLabel* m_detail = nullptr;
    QLabel* m_chevron = nullptr;
    bool m_expanded = false;
};

// The part of a collapsible panel below its header: a column with `spacing`, shown while `header`
// is expanded. Add it to the panel's column where it belongs.
QWidget* makeCollapsibleBody(CollapsibleHeader* header, int spacing, QWidget* parent);
