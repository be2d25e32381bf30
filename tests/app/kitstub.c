/* Stand-in for the desktop kit library "liblumosdk-qtwidgets.so.1". The main
 * window only probes it for the symbol of lumo::KMenuButton::feedbackAction(),
 * so the variant built with KIT_STUB_FEEDBACK exports a function of that
 * (mangled) name and the other one exports something else. */
#ifdef KIT_STUB_FEEDBACK
void _ZN4lumo11KMenuButton14feedbackActionEv(void) { }
#else
void lumo_kit_stub_without_feedback(void) { }
#endif
