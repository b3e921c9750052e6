#pragma once
// What the visit screen hands to the 12-label sheet of drug-usage labels.

#include <QString>

#include <array>

struct DrugLabelRequest {
    double top = 0;  // sevrsys.LABEL_TOP, mm
    double left = 0; // sevrsys.LABEL_LEFT, mm
    std::array<bool, 12> printed{};     // the positions ticked
    std::array<QString, 12> items{};    // the item code at each position
    QString customerNo, customerName, age; // age in completed years
};
