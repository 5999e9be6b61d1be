#pragma once

#include <string>

#include "core/util/ini_file.h"

namespace quorvel {

// ProxyMode: no proxy, a proxy found automatically from a public list, the proxy given here.
constexpr int ProxyModeNone = 0;
constexpr int ProxyModeAutomatic = 1;
constexpr int ProxyModeGiven = 2;
constexpr int DefaultProxyPort = 80;

// The proxy of the download, section PROXY of the settings file.
struct TProxySettings {
    // As stored; a number the program does not know is kept so that saving does not change it.
    int Mode = ProxyModeNone;
    std::string Server;
    int Port = DefaultProxyPort;
    std::string Username;
    std::string Password;

    // The mode the download follows: an unknown stored number means no proxy.
    int EffectiveMode() const {
        return (Mode == ProxyModeAutomatic || Mode == ProxyModeGiven) ? Mode : ProxyModeNone;
    }
    bool operator==(const TProxySettings&) const = default;
};

// A file without ProxyMode predates the mode: a proxy server in it means that proxy is used.
TProxySettings LoadProxySettings(const TIniFile& ini);
void SaveProxySettings(TIniFile& ini, const TProxySettings& settings);

}  // namespace quorvel
