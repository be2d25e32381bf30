#ifndef SETTINGS_SERVICENAMES_H
#define SETTINGS_SERVICENAMES_H

// The daemon's names for the services the settings pages switch.
namespace servicenames {

inline constexpr char RESEARCH[] = "tarvix-research";
inline constexpr char ROOTCHECK[] = "tarvix-rootcheck";
inline constexpr char LOGSCAN[] = "tarvix-logscan";
inline constexpr char EBPF[] = "tarvix-ebpf";
inline constexpr char INTERVENTION[] = "tarvix-intervention";

} // namespace servicenames

#endif
