#include "views/FeatureRow.h"

#include "views/kit/Layout.h"
#include "views/kit/Metrics.h"
#include "views/kit/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Metrics;

FeatureRow::FeatureRow(const Feature& feature, QWidget* parent) : QWidget(parent) {
    QHBoxLayout* row = makeRow(this, Space::m);
    row->addWidget(makeSymbolColumn(makeSymbolLabel(feature.icon, feature.colour, SymbolSize::xl, this),
                                    Size::featureSymbolColumn, this));
    row->addWidget(makeLabel(feature.text, TextStyle::body, {}, this), 1);
}

QWidget* FeatureRow::list(const std::vector<Feature>& features, QWidget* parent) {
    auto* list = new QWidget(parent);
    QVBoxLayout* rows = makeColumn(list, Space::m);
    for (const Feature& feature : features)
        rows->addWidget(new FeatureRow(feature, list));
    return list;
}
