#pragma once

#include <QFrame>
#include <QString>

class QLabel;

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
    // Puts `widget` (a badge) right after the title and its detail.
    void addBesideTitle(QWidget* widget);

signals:
    void toggled(bool expanded);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void updateChevron();

    QLabel* m_title = nullptr;
    QLabel* m_detail = nullptr;
    QLabel* m_chevron = nullptr;
    bool m_expanded = false;
};

class CardFrame;
class QVBoxLayout;

// A card whose header folds its body away: the header, the card filling `owner`, and the body (a
// column with `spacing`) below the header.
struct CollapsibleCard {
    CollapsibleHeader* header = nullptr;
    CardFrame* card = nullptr;
    QWidget* body = nullptr;
    QVBoxLayout* bodyColumn = nullptr;
};
CollapsibleCard makeCollapsibleCard(QWidget* owner, const QString& title, int spacing);

// The part of a collapsible panel below its header: a column with `spacing`, shown while `header`
// is expanded. Add it to the panel's column where it belongs.
QWidget* makeCollapsibleBody(CollapsibleHeader* header, int spacing, QWidget* parent);
