#ifndef SETTINGS_SERVICENAMES_H
#define SETTINGS_SERVICENAMES_H

// The daemon's names for the services the settings pages switch.
namespace servicenames {

inline constexpr char RESEARCH[] = "tarvix-research";
inline constexpr char ROOTCHECK[] = "tarvix-rootcheck";
inline constexpr char LOGSCAN[] = "tarvix-logscan";
inline constexpr char EBPF[] = "tarvix-ebpf";
inline constexpr char INTERVENTION[] = "tarvix-intervention";
inline constexpr char AI_NET[] = "tarvix_net_ai";
// The package that brings the AI service (hyphens, unlike the service).
inline constexpr char AI_NET_PACKAGE[] = "tarvix-net-ai";

} // namespace servicenames

#endif
