#include "core/archive/proxy_settings.h"

#include "core/util/ini_file.h"

namespace quorvel {

namespace {

constexpr std::string_view ProxySection = "PROXY";

}  // namespace

TProxySettings LoadProxySettings(const TIniFile& ini) {
    TProxySettings settings;
    settings.Server = ini.ReadString(ProxySection, "ProxyServer", "");
    int32_t port = ini.ReadInteger(ProxySection, "ProxyPort", DefaultProxyPort);
    settings.Port = (port >= 1 && port <= 65535) ? port : DefaultProxyPort;
    settings.Username = ini.ReadString(ProxySection, "ProxyUsername", "");
    settings.Password = ini.ReadString(ProxySection, "ProxyPassword", "");
    int impliedMode = settings.Server.empty() ? ProxyModeNone : ProxyModeGiven;
    settings.Mode = ini.ReadInteger(ProxySection, "ProxyMode", impliedMode);
    return settings;
}

void SaveProxySettings(TIniFile& ini, const TProxySettings& settings) {
    ini.WriteString(ProxySection, "ProxyServer", settings.Server);
    ini.WriteInteger(ProxySection, "ProxyPort", settings.Port);
    ini.WriteString(ProxySection, "ProxyUsername", settings.Username);
    ini.WriteString(ProxySection, "ProxyPassword", settings.Password);
    ini.WriteInteger(ProxySection, "ProxyMode", settings.Mode);
}

}  // namespace quorvel
