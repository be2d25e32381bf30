/* Stand-in for the desktop kit library, with or without the (mangled)
 * symbol of lumo::KMenuButton::feedbackAction() the main window probes for. */
#ifdef KIT_STUB_FEEDBACK
void _ZN4lumo11KMenuButton14feedbackActionEv(void) { }
#else
void lumo_kit_stub_without_feedback(void) { }
#endif
