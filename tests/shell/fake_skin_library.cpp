// Stand-ins for a broken skin library: one without SkinH_AttachRes, one of
// another build.

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

#ifdef FAKE_OTHER_BUILD
FAKE_EXPORT const char* SkinH_BuildId() { return "some-other-build"; }
FAKE_EXPORT int SkinH_AttachRes(const unsigned char*, int, const char*, int, int, int) { return 0; }
#else
FAKE_EXPORT int SkinH_Something() { return 0; }
#endif
