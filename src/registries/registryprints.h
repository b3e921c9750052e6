#pragma once
// The printouts of the registries: the envelope addressed to a customer,
// supplier, doctor or employee (one layout, fed by each table), and the
// member card of a customer in one of four layouts.

#include "app/sharedstate.h"
#include "data/connection.h"
#include "platform/print/pagemodel.h"
#include "platform/print/reportdefinition.h"

#include <QImage>
#include <QSqlRecord>
#include <QString>
#include <QStringList>

#include <optional>

// --- the envelope ---------------------------------------------------------

enum class Addressee { Customer, Supplier, Doctor, Employee };

// The envelope layout: A4 portrait, margins 10 mm, one band per row of the
// columns SENDER_NAME, SENDER_ADDRESS, NAME, ADD1, ADD2, PLACE.
ReportDefinition EnvelopeDefinition();
// The band row of an addressee row (customer, supply, maker or sale) under
// the settings row (quorvexsys) of the sender.
ReportRow EnvelopeRow(Addressee who, const QSqlRecord& addressee, const QSqlRecord& settings);
// The envelope of the row with the key; nothing, with a reason, when there
// is no such row or a statement fails.
std::optional<PageDocument> EnvelopeDocument(const Connection& db, Addressee who, const QString& key,
                                             QString* error = nullptr);

// --- the member card ------------------------------------------------------

// "0" to "3".
bool IsCardType(const QString& cardType);

struct MemberCard {
    PageDocument document;
    bool photoUsed = false;  // the layout prints the photograph
    bool photoFound = false; // picture 1 of the customer was read (otherwise temp.jpg)
};

// The card of a customer row in the layout of cardType; nothing for a card
// type other than "0" to "3". The photo is picture 1 from pictureFolder.
std::optional<MemberCard> MemberCardDocument(const QString& cardType, const QSqlRecord& customer,
                                             const BusinessDetails& business, const QString& pictureFolder);

// The card type of the settings (" select card_type from sevrsys ").
QString StoredCardType(const Connection& db);

// Registers "envelope" and "member-card" with the headless print command.
void RegisterRegistryPrintables();
