#include "window/AccessibleNames.h"

#include "form/ControlNames.h"
#include "form/FormState.h"
#include "form/InputLabels.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

namespace kesta {

namespace {

using Names = std::vector<std::pair<std::string, QString>>;

QString Tr(const char* text) {
    return QCoreApplication::translate("AccessibleNames", text);
}

Names ControlNames() {
    Names names = {
        {"InArrowSpeed", Tr("Arrow speed")},
        {"ArrowSpeedFPS", Tr("Arrow speed in feet per second")},
        {"ArrowSpeedM", Tr("Arrow speed in metres per second")},
        {"DrawWeigth", Tr("Draw weight in pounds")},
        {"InArrowMass", Tr("Total arrow mass")},
        {"ArrowMassGr", Tr("Arrow mass in grains")},
        {"ArrowMassGram", Tr("Arrow mass in grams")},
        {"InArrowLength", Tr("Arrow length")},
        {"ArrowLengthInInches", Tr("Arrow length in inches")},
        {"ArrowLengthInMM", Tr("Arrow length in millimetres")},
        {"StaticSpine", Tr("Static spine")},
        {"GPI", Tr("Shaft weight in grains per inch")},
        {"ShaftDiameter", Tr("Shaft diameter against the broadhead ferrule")},
        {"BroadheadWeight", Tr("Broadhead weight")},
        {"BroadheadweightGr", Tr("Broadhead weight in grains")},
        {"BroadheadweightInG", Tr("Broadhead weight in grams")},
        {"BroadheadInch", Tr("Blade sizes in inches")},
        {"BroadheadMM", Tr("Blade sizes in millimetres")},
        {"inEdge", Tr("Cutting edge angle in degrees")},
        {"inTip", Tr("Tip angle in degrees")},
        {"inCOC", Tr("Cut-on-contact tip")},
        {"Distance", Tr("Distance of the shot group")},
        {"DistanceInyards", Tr("Distance in yards")},
        {"DistanceInM", Tr("Distance in metres")},
        {"GroupingCirc", Tr("Grouping circumference")},
        {"GroupingCircInI", Tr("Grouping circumference in inches")},
        {"GroupingCircInMM", Tr("Grouping circumference in millimetres")},
        {"ChosenImperic", Tr("Imperial report")},
        {"ChosenMetric", Tr("Metric summary")},
        {"doReport", Tr("Report")},
        {"doPrint", Tr("Print")},
        {"txtReport", Tr("Report text")},
    };
    // Blade row i is the pair of boxes 2i-2 (height) and 2i-1 (length).
    for (int row = 1; row <= control::kBroadheadBoxes / 2; ++row) {
        names.emplace_back(ElementName(control::InBroadhead, 2 * row - 2),
                           Tr("Blade height, row %1").arg(row));
        names.emplace_back(ElementName(control::InBroadhead, 2 * row - 1),
                           Tr("Blade length, row %1").arg(row));
    }
    const char* percent[] = {"0%", "25%", "50%", "75%", "100%"};
    for (int k = 0; k < control::kSafetyOptions; ++k)
        names.emplace_back(ElementName(control::Safety, k),
                           Tr("Safety factor %1").arg(QString::fromLatin1(percent[k])));
    return names;
}

// The labels that stand beside one box and name it.
const std::vector<std::pair<const char*, const char*>>& Buddies() {
    static const std::vector<std::pair<const char*, const char*>> buddies = {
        {"Label15", "DrawWeigth"},   {"Label7", "StaticSpine"},     {"Label8", "GPI"},
        {"Label3", "ShaftDiameter"}, {"Label6", "BroadheadWeight"}, {"Label4", "inEdge"},
        {"Label13", "inTip"},        {"Label10", "Distance"},       {"Label11", "GroupingCirc"}};
    return buddies;
}

} // namespace

void NameControlsForScreenReaders(QWidget& window) {
    for (const auto& [name, accessible] : ControlNames()) {
        if (auto* w = window.findChild<QWidget*>(QString::fromStdString(name)))
            w->setAccessibleName(accessible);
    }
    // The shaft diameter's drop-down list is a control of its own for a screen reader.
    if (auto* list = window.findChild<QComboBox*>(
            QString::fromUtf8(control::ShaftDiameter.data(), control::ShaftDiameter.size())))
        list->view()->setAccessibleName(Tr("Shaft diameter choices"));
    for (const auto& [label, box] : Buddies()) {
        auto* l = window.findChild<QLabel*>(QString::fromLatin1(label));
        auto* b = window.findChild<QWidget*>(QString::fromLatin1(box));
        if (l != nullptr && b != nullptr) l->setBuddy(b);
    }
    // What to type in each box, its unit and a typical value; a screen reader reads the
    // tooltip as the box's description.
    for (const std::string& box : FormState::TextBoxes()) {
        if (auto* w = window.findChild<QWidget*>(QString::fromStdString(box))) {
            const QString tip = QString::fromStdString(InputTooltip(box));
            w->setToolTip(tip);
            w->setAccessibleDescription(tip);
        }
    }
}

} // namespace kesta
