#include "ui/settings/AppSettings.h"

#include <utility>

namespace orva {

AppSettings::AppSettings() : AppSettings(SettingsStore::ForThisUser()) {}

AppSettings::AppSettings(std::shared_ptr<SettingsStore> store) : store_(std::move(store)) {
    if (!store_) {
        return;
    }
    const auto values = store_->Read({kORVAFileNameKey, kExportFileNameKey, kAnalysisFileNameKey, kEditMethodKey,
                                      kViewAnalysisKey, kAlsoViewRelatedAnalysisKey});
    const auto take = [&values](const char* name, std::string& member) {
        const auto found = values.find(name);
        if (found != values.end()) {
            Assign(member, found->second);
        }
    };
    take(kORVAFileNameKey, orvaFileName_);
    take(kExportFileNameKey, exportFileName_);
    take(kAnalysisFileNameKey, analysisFileName_);
    take(kEditMethodKey, editMethod_);
    take(kViewAnalysisKey, viewAnalysis_);
    take(kAlsoViewRelatedAnalysisKey, alsoViewRelatedAnalysis_);
}

void AppSettings::RecordViewChoices(bool viewAnalysis, bool alsoViewRelated) {
    SetViewAnalysis(viewAnalysis ? "T" : "F");
    if (viewAnalysis) {
        SetAlsoViewRelatedAnalysis(alsoViewRelated ? "T" : "F");
    }
}

bool AppSettings::WriteAll() const {
    if (!store_) {
        return false;
    }
    return store_->Write({{kORVAFileNameKey, orvaFileName_},
                          {kExportFileNameKey, exportFileName_},
                          {kAnalysisFileNameKey, analysisFileName_},
                          {kEditMethodKey, editMethod_},
                          {kViewAnalysisKey, viewAnalysis_},
                          {kAlsoViewRelatedAnalysisKey, alsoViewRelatedAnalysis_}});
}

void AppSettings::Assign(std::string& member, std::string value) {
    if (value.size() > kMaxValueLength) {
        value.resize(kMaxValueLength);
    }
    member = std::move(value);
}

}  // namespace orva
