// A SettingsUi that records what the settings store does to the window.
#pragma once

#include <string>
#include <vector>

#include "controller/settings_store.h"

struct RecordingSettingsUi : controller::SettingsUi {
    std::vector<std::string> names, messages;
    std::vector<controller::SettingsIcon> icons;
    std::string fatalText;
    controller::SettingsIcon fatalIcon = controller::SettingsIcon::None;
    bool answer = true;
    std::string exportName, importName;
    int linkStateShown = 0;

    void addName(const std::string& name) override { names.push_back(name); }
    void removeName(const std::string& name) override { std::erase(names, name); }
    void inform(const std::string& text, controller::SettingsIcon icon) override {
        messages.push_back(text);
        icons.push_back(icon);
    }
    bool confirmDelete(const std::string& text) override {
        messages.push_back(text);
        return answer;
    }
    void fatal(const std::string& text, controller::SettingsIcon icon) override {
        fatalText = text;
        fatalIcon = icon;
    }
    std::string exportFileName() override { return exportName; }
    std::string importFileName() override { return importName; }
    void showLinkState() override { ++linkStateShown; }
    std::string last() const { return messages.empty() ? "" : messages.back(); }
};
