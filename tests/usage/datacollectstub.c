/* Stand-in for the data-collection library: appends each call and its
 * arguments to the file named by TARVIX_USAGE_RECORD, bytes outside printable
 * ASCII as \xHH so that the encoding shows. Variants: complete,
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
        for (const char *c = format; *c; ++c) {
            if (*c != '%') {
                fputc(*c, file);
            } else if (*++c == 'd') {
                fprintf(file, "%d", va_arg(args, int));
            } else if (*c == 'h') { /* a handle */
                fputs(va_arg(args, void *) == &handle ? "ok" : "bad", file);
            } else {
                for (const unsigned char *t = va_arg(args, const unsigned char *); *t; ++t)
                    fprintf(file, *t < 0x20 || *t >= 0x7f || *t == '\\' ? "\\x%02x" : "%c", *t);
            }
        }
        va_end(args);
        fclose(file);
    }
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
    record("append %h %d\n", data, count);
    for (int i = 0; i < count; ++i)
        record("  %s=%s\n", properties[i].key, properties[i].value);
    return 0;
}

int lumo_dia_upload_default(void *data, const char *eventCode, const char *pageName)
{
    record("upload %h %s %s\n", data, eventCode, pageName);
    return 0;
}

#ifndef STUB_WITHOUT_FREE
void lumo_dia_data_free(void *data)
{
    record("free %h\n", data);
}
#endif
