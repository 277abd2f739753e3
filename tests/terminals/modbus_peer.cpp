// A Modbus server built on libmodbus, the test peer of the Modbus panel.
//   modbus_peer rtu <device> <unit>   serves on a serial device, that unit only
//   modbus_peer tcp <port>            serves on 127.0.0.1:<port>, one client at a time
// Prints "ready" once it listens.  The map: coils 0..63 (on where i % 3 == 0),
// discrete inputs 0..63 (on where i is odd), holding registers 0..99
// (0x1000 + i), input registers 0..49 (0x2000 + i).
#include <modbus.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

static modbus_mapping_t *makeMap()
{
    modbus_mapping_t *map = modbus_mapping_new_start_address(0, 64, 0, 64, 0, 100, 0, 50);
    if (!map)
        return nullptr;
    for (int i = 0; i < 64; ++i) {
        map->tab_bits[i] = i % 3 == 0;
        map->tab_input_bits[i] = i % 2 == 1;
    }
    for (int i = 0; i < 100; ++i)
        map->tab_registers[i] = uint16_t(0x1000 + i);
    for (int i = 0; i < 50; ++i)
        map->tab_input_registers[i] = uint16_t(0x2000 + i);
    return map;
}

static int serveRtu(const char *device, int unit, modbus_mapping_t *map)
{
    modbus_t *ctx = modbus_new_rtu(device, 115200, 'N', 8, 1);
    if (!ctx || modbus_set_slave(ctx, unit) != 0 || modbus_connect(ctx) != 0) {
        fprintf(stderr, "rtu: %s\n", modbus_strerror(errno));
        return 1;
    }
    printf("ready\n");
    fflush(stdout);
    uint8_t query[MODBUS_RTU_MAX_ADU_LENGTH];
    for (;;) {
        const int rc = modbus_receive(ctx, query);
        if (rc > 0) {
            modbus_reply(ctx, query, rc, map);
        } else if (rc < 0 && (errno == ECONNRESET || errno == EIO || errno == EBADF)) {
            break; // the line went away
        }
        // rc == 0: a frame for another unit, which stays unanswered
    }
    modbus_close(ctx);
    modbus_free(ctx);
    return 0;
}

static int serveTcp(int port, modbus_mapping_t *map)
{
    modbus_t *ctx = modbus_new_tcp("127.0.0.1", port);
    int listener = ctx ? modbus_tcp_listen(ctx, 1) : -1;
    if (listener < 0) {
        fprintf(stderr, "tcp: %s\n", modbus_strerror(errno));
        return 1;
    }
    printf("ready\n");
    fflush(stdout);
    uint8_t query[MODBUS_TCP_MAX_ADU_LENGTH];
    for (;;) {
        if (modbus_tcp_accept(ctx, &listener) < 0)
            break;
        for (;;) {
            const int rc = modbus_receive(ctx, query);
            if (rc > 0)
                modbus_reply(ctx, query, rc, map);
            else if (rc < 0)
                break;
        }
        close(modbus_get_socket(ctx));
    }
    close(listener);
    modbus_free(ctx);
    return 0;
}

int main(int argc, char **argv)
{
    modbus_mapping_t *map = makeMap();
    if (!map)
        return 1;
    int rc = 2;
    if (argc == 4 && strcmp(argv[1], "rtu") == 0)
        rc = serveRtu(argv[2], atoi(argv[3]), map);
    else if (argc == 3 && strcmp(argv[1], "tcp") == 0)
        rc = serveTcp(atoi(argv[2]), map);
    else
        fprintf(stderr, "usage: modbus_peer rtu <device> <unit> | tcp <port>\n");
    modbus_mapping_free(map);
    return rc;
}
