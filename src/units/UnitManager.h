#pragma once

// The unit manager: parameters, their units, presets and unit schemes, loaded
// from the catalogue. For now it holds only the language identifier it was
// created with; the tables arrive with the units of measure.
class TUnitManager {
public:
    explicit TUnitManager(int languageId);
    int LanguageId() const { return languageId_; }

private:
    int languageId_;
};
