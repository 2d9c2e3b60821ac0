// A ConfigFileUi that records what the configuration file does to the screen.
#pragma once

#include <string>
#include <vector>

#include "shell/config_file.h"

struct RecordingConfigUi : shell::ConfigFileUi {
    char comDigit = 0;
    std::string dialNumber;
    std::vector<std::string> locations, smsNumbers, messages;
    std::vector<shell::ConfigCaption> captions;
    std::string fatalText;
    bool answer = true;  // to every question

    void setComDigit(char digit) override { comDigit = digit; }
    void setDialNumber(const std::string& number) override { dialNumber = number; }
    void addLocation(const std::string& name) override { locations.push_back(name); }
    void removeLocation(const std::string& name) override { std::erase(locations, name); }
    void addSmsNumber(const std::string& number) override { smsNumbers.push_back(number); }
    void removeSmsNumber(const std::string& number) override { std::erase(smsNumbers, number); }
    void inform(const std::string& text, shell::ConfigCaption caption, shell::ConfigIcon) override {
        messages.push_back(text);
        captions.push_back(caption);
    }
    bool confirmDelete(const std::string& text, shell::ConfigCaption) override {
        messages.push_back(text);
        return answer;
    }
    bool ask(const std::string& text) override {
        messages.push_back(text);
        return answer;
    }
    void fatal(const std::string& text, shell::ConfigIcon) override { fatalText = text; }

    std::string last() const { return messages.empty() ? "" : messages.back(); }
};
