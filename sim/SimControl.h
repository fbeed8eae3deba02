/*
 * Control functions of the programmer simulator (libzorvex-sim.so), beside the libusb-0.1
 * functions it exports. A test binds the simulator with dlopen -- the same path TUsbBulk is
 * given, so both share one simulator state -- and resolves these names with dlsym; the *_fn
 * typedefs are the pointer types to cast to. sim/SimClient.h does this for C++ callers.
 *
 * Devices are numbered 0.. in configuration order. All functions are safe to call at any time;
 * a device index out of range returns -1.
 *
 * Trace: every USB call that reaches a device and every command and data block is one line,
 * "<kind> <name> dev=<n> t=<transfer> key=value ...", where t counts the bulk transfers of the
 * device since the last reset, starting at 1. Lines (the format is kept stable):
 *   usb open dev=0 | usb open-refused dev=0 | usb close dev=0
 *   usb claim dev=0 interface=0 result=0 | usb release dev=0 interface=0 result=0
 *   usb string dev=0 index=1 langid=0x409 result=14
 *   usb vendor dev=0 type=0x40 request=1 value=0x0 index=0x0 length=4
 *   usb unplug dev=0 t=7 | usb unplug dev=0 | usb plug dev=0
 *   cmd Begin dev=0 t=1 family=0 subtype=0 page=256 delay=100 size=0x800000 id=0xEF4017 speed=0x0 voltage=0
 *   cmd QueryChip dev=0 t=1 <same fields> reply=01 EF 40 17
 *   cmd SetAddress dev=0 t=3 address=0x0
 *   cmd Erase dev=0 t=3 argument=0x8000 effect=chip busy=3      (effect=page address=0x100 length=16,
 *                                                               effect=chip, effect=none)
 *   cmd ReadStatus dev=0 t=4 busy=1
 *   cmd SpiTransfer dev=0 t=3 mode=3 n=1 data=B7
 *   cmd End dev=0 t=9
 *   cmd Unknown dev=0 t=2 code=0x1
 *   cmd dropped dev=0 t=2 length=32                             (a command cut short)
 *   reply dev=0 t=2 length=64 result=64                         (a reply read)
 *   read dev=0 t=5 address=0x0 length=256 result=256 [note=no-chip]
 *   write dev=0 t=5 address=0x0 length=256 result=256 [note=no-chip|note=sst-single-byte]
 *   fault noreply dev=0 t=5 length=64 result=-110               (the read of a withheld reply)
 * Protocol violations, the host's mistakes (each also counted and printed on stderr):
 *   violation unread-reply dev=0 t=5 reply=Begin by=command     (by=write, by=close; the reply was
 *                                                               dropped unread; SetAddress's may be)
 *   violation reply-length dev=0 t=5 length=256 reply=SetAddress (a block read took a reply)
 *   violation read-nothing dev=0 t=5 length=64 result=-110      (no reply queued, no stream open)
 *   violation write-no-stream dev=0 t=5 length=64 result=-110
 *   fault timeout dev=0 t=5 ep=0x85 result=-110
 *   fault short dev=0 t=5 ep=0x5 length=256 result=128
 *   fault unplugged dev=0 t=8 ep=0x4 result=-19
 *   fault endpoint dev=0 t=5 ep=0x3 result=-32
 * Every cmd line but "cmd dropped" then carries " packet=" and the packet's bytes as they came,
 * two hex digits each without spaces (omitted in the examples above).
 * A cmd line may end in " noreply" (no reply queued: no_reply fault), " prefix=N" (byte 0 not
 * the command's prefix) or " length=N" (packet not 64 bytes). A "fault short" line is followed
 * by the line of what the shortened transfer did.
 */
#ifndef ZORVEX_SIM_CONTROL_H
#define ZORVEX_SIM_CONTROL_H

#ifdef __cplusplus
extern "C" {
#endif

/* Replaces the whole simulator state. config_text in the configuration syntax of
 * sim/README.md; NULL loads the file named by ZORVEX_SIM_CONFIG, or the built-in default when
 * that is unset. Handles opened before become stale (every call on them fails with -ENODEV).
 * Clears the trace and all counters. Returns 0; -1 when the configuration was refused (the
 * simulator then has no device); -2 when a chip image file could not be used (that chip then
 * lives in memory). */
int zorvex_sim_reset(const char* config_text);
typedef int (*zorvex_sim_reset_fn)(const char*);

/* Why the last reset or set failed; "" after success. Valid until the next reset or set. */
const char* zorvex_sim_last_error(void);
typedef const char* (*zorvex_sim_last_error_fn)(void);

int zorvex_sim_device_count(void);
typedef int (*zorvex_sim_device_count_fn)(void);

int zorvex_sim_trace_size(void);
typedef int (*zorvex_sim_trace_size_fn)(void);
/* Copies line index (NUL-terminated, cut to buflen - 1 bytes); returns its full length, or -1
 * for an index out of range. */
int zorvex_sim_trace_line(int index, char* buf, int buflen);
typedef int (*zorvex_sim_trace_line_fn)(int, char*, int);
/* Number of trace lines starting with prefix (e.g. "cmd Begin", "write dev=0"). */
int zorvex_sim_trace_count(const char* prefix);
typedef int (*zorvex_sim_trace_count_fn)(const char*);
void zorvex_sim_trace_clear(void);
typedef void (*zorvex_sim_trace_clear_fn)(void);

/* Chip image of a device; -1 for an empty socket. Reads and writes bypass the chip rules (a
 * write sets bytes exactly) and go to the image file when there is one. Return 0, or -1 for a
 * bad device or a range past the chip. */
long zorvex_sim_chip_size(int device);
typedef long (*zorvex_sim_chip_size_fn)(int);
int zorvex_sim_chip_read(int device, unsigned long offset, unsigned char* out, unsigned long length);
typedef int (*zorvex_sim_chip_read_fn)(int, unsigned long, unsigned char*, unsigned long);
int zorvex_sim_chip_write(int device, unsigned long offset, const unsigned char* data,
                          unsigned long length);
typedef int (*zorvex_sim_chip_write_fn)(int, unsigned long, const unsigned char*, unsigned long);
int zorvex_sim_chip_fill(int device, unsigned char value);
typedef int (*zorvex_sim_chip_fill_fn)(int, unsigned char);

/* Counters since the last reset: "transfers" (bulk, as numbered t= in the trace), "commands",
 * "opens", "closes", "claims", "releases", "open_handles" (opened and not yet closed).
 * -1 for an unknown name or device. */
long zorvex_sim_counter(int device, const char* name);
typedef long (*zorvex_sim_counter_fn)(int, const char*);

/* Protocol violations traced since the library was loaded; a reset does not clear the count,
 * so a test compares it with the value at its start. */
long zorvex_sim_violations(void);
typedef long (*zorvex_sim_violations_fn)(void);

/* Changes one device key at run time (fault keys such as timeout_at or no_reply, strings,
 * refuse_claim, erase_polls...); the chip keys need a reset. Returns 0, or -1 with the reason
 * in zorvex_sim_last_error. */
int zorvex_sim_set(int device, const char* key, const char* value);
typedef int (*zorvex_sim_set_fn)(int, const char*, const char*);

/* Unplugs (0) or replugs (1) a device; replugging also clears unplug_after. Open handles of an
 * unplugged device fail with -ENODEV; the next bus scan no longer lists it. */
int zorvex_sim_set_plugged(int device, int plugged);
typedef int (*zorvex_sim_set_plugged_fn)(int, int);

#ifdef __cplusplus
}
#endif

#endif
