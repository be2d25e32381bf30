#ifndef ALERTENGINE_ALERTFIELD_H
#define ALERTENGINE_ALERTFIELD_H

// A field of an alert that a list can be narrowed to by exact value, as the
// report's rankings count them: the rule description (as stored), the source
// address, the user.
enum class AlertField { None, RuleDescription, SourceAddress, User };

#endif
