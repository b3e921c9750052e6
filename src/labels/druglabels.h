#pragma once
// The sheet of twelve drug-usage labels, and the request the visit screen
// hands to it.

#include "data/connection.h"
#include "platform/print/pagemodel.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

struct DrugLabelRequest {
    double top = 0;  // sevrsys.LABEL_TOP, mm
    double left = 0; // sevrsys.LABEL_LEFT, mm
    std::array<bool, 12> printed{};     // the positions ticked
    std::array<QString, 12> items{};    // the item code at each position
    QString customerNo, customerName, age; // age in completed years
};

// The age a request carries for a birth date text: whole years, or empty
// when the birth date is missing or no real day.
QString LabelAgeForBirthDate(const QString& birthDate);

// Which dose text of an item fits an age in whole years: HOW_TO_1 under 7,
// HOW_TO_2 from 7 to 12, HOW_TO_3 from 13. An empty, unreadable or negative
// age has no group: the label then prints no dose at all.
QString DoseColumnForAge(const QString& ageText);

// The sheet of twelve labels (two columns of six) on its 160 × 220 mm paper,
// the positions not ticked left blank. The item texts are read from the
// registry; an unknown item prints the business and patient names only.
PageDocument DrugLabelDocument(const Connection& c, const DrugLabelRequest& request, const QString& businessName);

// The request for the patient of a visit as the headless print command
// builds it: positions 1..12 with their item codes (one code serves all
// positions); nothing (with *error) for an unknown visit or a bad position.
std::optional<DrugLabelRequest> DrugLabelRequestForVisit(const Connection& c, const QString& visitNumber,
                                                         const QList<int>& positions, const QStringList& items,
                                                         QString* error);
