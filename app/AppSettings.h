#pragma once

#include "printing/InsuranceReport.h"
#include "printing/LabelProfiles.h"
#include "printing/Labels.h"
#include "printing/PrintSettings.h"

#include <QString>

#include <vector>

// The one place where the program's options meet the settings store. The windows read a value here and hand it
// to the exports, printers and reports, which read no settings themselves; a test or the bench passes its own.
namespace AppSettings {

// The serial number an empty register counts on from ("Setup/StartSerialNumber", 0 when not set).
int StartSerialNumber();

// The "Print/..." keys; an absent key gives the default of PrintSettings. The sort method is written only when
// writeSortMethod is set (the dialog writes none when no sort button is checked).
PrintSettings Print();
void StorePrint(const PrintSettings& settings, bool writeSortMethod = true);

// The four read-only options of the printer-language labels.
Labels::NameOptions LabelNames();
// The stored label profiles ("Labels/Profiles"), or the built-in ones when none is stored; the name of the one
// chosen last ("Labels/CurrentProfile"), and that profile (the first when the stored name is gone).
std::vector<LabelProfile> LabelProfileList();
void StoreLabelProfiles(const std::vector<LabelProfile>& profiles);
QString CurrentLabelProfileName();
void StoreCurrentLabelProfileName(const QString& name);
LabelProfile CurrentLabelProfile();

// The kept part of the insurance report's options ("Insurance/..."): the owner's details, the order and the two
// picture choices; the rest keeps its defaults.
InsuranceOptions Insurance();
void StoreInsurance(const InsuranceOptions& options);

} // namespace AppSettings
