// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <memory>
#include <string>

#include "settings/SettingsStore.h"

namespace orva {

// The six persisted settings: the record, export and report files last used and the user's
// last choices in the workflows. Texts are Windows-1252 bytes, as the core keeps them.
//
// Constructing reads all six values (a missing store or value leaves it empty); setters
// change only the in-memory copy; WriteAll writes the whole set back. Nothing is ever
// reported: a store that cannot be read or written is silently skipped.
//
// A value holds at most kMaxValueLength characters: longer texts are cut there, both when
// read and when set, so what is written is always what a later read gives back.
class AppSettings {
public:
    static constexpr std::size_t kMaxValueLength = 999;

    static constexpr const char* kORVAFileNameKey = "ORVAFileName";
    static constexpr const char* kExportFileNameKey = "ExportFileName";
    static constexpr const char* kAnalysisFileNameKey = "AnalysisFileName";
    static constexpr const char* kEditMethodKey = "EditMethod";
    static constexpr const char* kViewAnalysisKey = "ViewAnalysis";
    static constexpr const char* kAlsoViewRelatedAnalysisKey = "AlsoViewRelatedAnalysis";

    // Reads from the user's store (SettingsStore::ForThisUser).
    AppSettings();
    // Reads from `store`, which is kept for WriteAll.
    explicit AppSettings(std::shared_ptr<SettingsStore> store);

    // The record file last used, as typed (normally without ".rpc").
    const std::string& ORVAFileName() const { return orvaFileName_; }
    void SetORVAFileName(std::string value) { Assign(orvaFileName_, std::move(value)); }
    // The CSV export file last used, without extension.
    const std::string& ExportFileName() const { return exportFileName_; }
    void SetExportFileName(std::string value) { Assign(exportFileName_, std::move(value)); }
    // The RTF report file last chosen in the analysis Save As dialog.
    const std::string& AnalysisFileName() const { return analysisFileName_; }
    void SetAnalysisFileName(std::string value) { Assign(analysisFileName_, std::move(value)); }
    // "1" for "Enter Responses", "0" for "Complete On-Screen".
    const std::string& EditMethod() const { return editMethod_; }
    void SetEditMethod(std::string value) { Assign(editMethod_, std::move(value)); }
    // "T" when "View the ORVA Analysis after Finish" was ticked at the last paper finish, else "F".
    const std::string& ViewAnalysis() const { return viewAnalysis_; }
    void SetViewAnalysis(std::string value) { Assign(viewAnalysis_, std::move(value)); }
    // "T" or "F" for "Also view the most recent related ORVAs for the same person".
    const std::string& AlsoViewRelatedAnalysis() const { return alsoViewRelatedAnalysis_; }
    void SetAlsoViewRelatedAnalysis(std::string value) { Assign(alsoViewRelatedAnalysis_, std::move(value)); }

    // The readings the dialogs preset their choices from: only the exact texts count
    // (" 1", "01" or "t" do not).
    bool EditWithEnterResponses() const { return editMethod_ == "1"; }
    bool ViewAnalysisTicked() const { return viewAnalysis_ == "T"; }
    bool AlsoViewRelatedAnalysisTicked() const { return alsoViewRelatedAnalysis_ == "T"; }

    // The two view choices of a finished paper wizard; the related-analysis choice is only
    // recorded when the analysis is to be viewed, so an unticked first box keeps the second.
    void RecordViewChoices(bool viewAnalysis, bool alsoViewRelated);

    // Writes all six values; false when the store could not be written (callers stay silent).
    bool WriteAll() const;
    // The six values as the store holds them now (another window may have written them).
    AppSettings ReadAgain() const { return AppSettings(store_); }

private:
    static void Assign(std::string& member, std::string value);

    std::shared_ptr<SettingsStore> store_;
    std::string orvaFileName_;
    std::string exportFileName_;
    std::string analysisFileName_;
    std::string editMethod_;
    std::string viewAnalysis_;
    std::string alsoViewRelatedAnalysis_;
};

}  // namespace orva
