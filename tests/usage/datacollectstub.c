/* Stand-in for the data-collection library: appends each call and its
 * arguments to the file named by TARVIX_USAGE_RECORD. Variants: complete,
 * STUB_WITHOUT_FREE (one symbol missing), STUB_INIT_FAILS (init gives null). */
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>

struct property
{
    char *key;
    char *value;
};

static int handle; /* what init hands out, so that its return can be checked */

static void record(const char *format, ...)
{
    const char *path = getenv("TARVIX_USAGE_RECORD");
    FILE *file = path ? fopen(path, "a") : NULL;
    if (file) {
        va_list args;
        va_start(args, format);
        vfprintf(file, format, args);
        va_end(args);
        fclose(file);
    }
}

static const char *checked(void *data)
{
    return data == &handle ? "ok" : "bad";
}

__attribute__((constructor)) static void loaded(void)
{
    record("load\n");
}

__attribute__((destructor)) static void unloaded(void)
{
    record("unload\n");
}

void *lumo_dia_data_init(int type, int flags)
{
    record("init %d %d\n", type, flags);
#ifdef STUB_INIT_FAILS
    return NULL;
#else
    return &handle;
#endif
}

int lumo_dia_append_custom_property(void *data, struct property *properties, int count)
{
    record("append %s %d\n", checked(data), count);
    for (int i = 0; i < count; ++i)
        record("  %s=%s\n", properties[i].key, properties[i].value);
    return 0;
}

int lumo_dia_upload_default(void *data, const char *eventCode, const char *pageName)
{
    record("upload %s %s %s\n", checked(data), eventCode, pageName);
    return 0;
}

#ifndef STUB_WITHOUT_FREE
void lumo_dia_data_free(void *data)
{
    record("free %s\n", checked(data));
}
#endif
