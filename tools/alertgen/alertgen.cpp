// Writes a deterministic alerts log in the block format the detection
// services write, for tests, benchmarks and the demo.

#include <getopt.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
#include <string>
#include <vector>

namespace {

struct Rule
{
    int id;
    int level;
    const char *description;
    const char *group;
    const char *program;
};

// Most rules sit below level 12, as on a real host; the weights below make
// low-level alerts the common case.
const Rule RULES[] = {
    { 5715, 3, "sshd: authentication success.", "syslog,sshd,authentication_success,", "sshd" },
    { 5501, 3, "PAM: Login session opened.", "pam,syslog,authentication_success,", "sshd" },
    { 5502, 3, "PAM: Login session closed.", "pam,syslog,", "sshd" },
    { 5402, 3, "Successful sudo to ROOT executed.", "syslog,sudo,", "sudo" },
    { 2902, 7, "New dpkg (Debian Package) installed.", "syslog,dpkg,config_changed,", "dpkg" },
    { 2904, 7, "Dpkg (Debian Package) half configured.", "syslog,dpkg,", "dpkg" },
    { 5716, 5, "sshd: authentication failed.", "syslog,sshd,authentication_failed,", "sshd" },
    { 5503, 5, "PAM: User login failed.", "pam,syslog,authentication_failed,", "login" },
    { 5401, 5, "Three failed attempts to run sudo.", "syslog,sudo,", "sudo" },
    { 5710, 5, "sshd: Attempt to login using a non-existent user", "syslog,sshd,invalid_login,", "sshd" },
    { 31101, 5, "Web server 400 error code.", "web,accesslog,attack,", "nginx" },
    { 31108, 6, "Ignored URLs (simple queries).", "web,accesslog,", "nginx" },
    { 510, 7, "Host-based anomaly detection event (rootcheck).", "rootcheck,", "rootcheck" },
    { 550, 7, "Integrity checksum changed.", "syscheck,", "syscheck" },
    { 554, 5, "File added to the system.", "syscheck,", "syscheck" },
    { 40101, 9, "检测到系统用户被修改", "account,", "usermod" },
    { 40102, 10, "检测到新的监听端口", "network,", "netstat" },
    { 40103, 8, "可疑的计划任务被添加", "cron,", "crontab" },
    { 533, 7, "Listened ports status (netstat) changed (new port opened or closed).", "system,", "netstat" },
    { 100201, 10, "Process 'nc' started with a listening socket.", "process,", "ebpf" },
    { 5712, 12, "sshd: brute force trying to get access to the system.",
        "syslog,sshd,authentication_failures,", "sshd" },
    { 5720, 12, "sshd: Multiple authentication failures.", "syslog,sshd,authentication_failures,", "sshd" },
    { 31151, 12, "Multiple web server 400 error codes from same source ip.", "web,accesslog,web_scan,",
        "nginx" },
    { 31103, 13, "SQL injection attempt.", "web,accesslog,attack,sql_injection,", "nginx" },
    { 31104, 13, "Common web attack.", "web,accesslog,attack,", "nginx" },
    { 40111, 12, "检测到SSH暴力破解攻击", "syslog,sshd,brute_force,", "sshd" },
    { 40112, 13, "检测到端口扫描行为", "network,scan,", "ebpf" },
    { 40113, 14, "检测到可疑的反弹Shell连接", "process,reverse_shell,", "ebpf" },
    { 100210, 14, "Executable written to /tmp and started.", "process,", "ebpf" },
    { 5403, 14, "First time user executed sudo.", "syslog,sudo,", "sudo" },
    { 510011, 12, "Trojaned version of file detected.", "rootcheck,", "rootcheck" },
    { 40114, 15, "检测到挖矿程序运行", "process,miner,", "ebpf" },
    { 40115, 15, "检测到内核模块被加载", "kernel,rootkit,", "kmod" },
    { 100220, 15, "Privilege escalation: setuid root shell spawned.", "process,privilege_escalation,",
        "ebpf" },
    { 31106, 15, "A web attack returned code 200 (success).", "web,accesslog,attack,", "nginx" },
    { 100230, 16, "Ransomware behaviour: mass file encryption.", "process,ransomware,", "ebpf" },
    { 40116, 16, "检测到勒索软件加密行为", "process,ransomware,", "ebpf" },
};
const int RULE_COUNT = int(sizeof(RULES) / sizeof(RULES[0]));

const char *const USERS[] = { "root", "admin", "zorva", "www-data", "mysql", "deploy", "guest", "测试用户" };
const char *const HOSTS[] = { "zorva-desktop", "zorva-pc", "build-server" };
const char *const LOG_FILES[]
    = { "/var/log/auth.log", "/var/log/syslog", "/var/log/nginx/access.log", "/var/log/kern.log", "ebpf" };

struct Options
{
    long count = 1000;
    int days = 30;
    std::string end; // YYYY-MM-DD, today when empty
    uint64_t seed = 1;
    std::string out;
    int minLevel = 0;
    int sources = 0; // distinct source addresses to draw from; 0: any
    int users = 0; // distinct user names to draw from; 0: the few usual ones
};

// splitmix64: small, fast and the same on every platform.
struct Random
{
    uint64_t state;
    uint64_t next()
    {
        uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % uint64_t(n)); }
};

void usage(FILE *to)
{
    fprintf(to,
        "Usage: alertgen [options]\n"
        "Writes a deterministic alerts log in the detection services' block format.\n\n"
        "  --count N         number of alerts (default 1000)\n"
        "  --days D          spread over the D days before the end (default 30)\n"
        "  --end YYYY-MM-DD  end with this day (default: end now)\n"
        "  --seed S          random seed (default 1)\n"
        "  --min-level L     only rules of level L and above (default all)\n"
        "  --sources N       draw source addresses from N distinct ones\n"
        "  --users N         draw user names from N distinct ones (user1 ... userN)\n"
        "  --out FILE        output file (default standard output)\n"
        "  --help            this text\n");
}

bool parseOptions(int argc, char **argv, Options &options)
{
    static const struct option longOptions[] = {
        { "count", required_argument, nullptr, 'c' },
        { "days", required_argument, nullptr, 'd' },
        { "end", required_argument, nullptr, 'e' },
        { "seed", required_argument, nullptr, 's' },
        { "out", required_argument, nullptr, 'o' },
        { "min-level", required_argument, nullptr, 'l' },
        { "sources", required_argument, nullptr, 'a' },
        { "users", required_argument, nullptr, 'u' },
        { "help", no_argument, nullptr, 'h' },
        { nullptr, 0, nullptr, 0 },
    };
    int option;
    while ((option = getopt_long(argc, argv, "", longOptions, nullptr)) != -1) {
        switch (option) {
        case 'c':
            options.count = strtol(optarg, nullptr, 10);
            break;
        case 'd':
            options.days = int(strtol(optarg, nullptr, 10));
            break;
        case 'e':
            options.end = optarg;
            break;
        case 's':
            options.seed = strtoull(optarg, nullptr, 10);
            break;
        case 'o':
            options.out = optarg;
            break;
        case 'l':
            options.minLevel = int(strtol(optarg, nullptr, 10));
            break;
        case 'a':
            options.sources = int(strtol(optarg, nullptr, 10));
            break;
        case 'u':
            options.users = int(strtol(optarg, nullptr, 10));
            break;
        case 'h':
            usage(stdout);
            exit(0);
        default:
            usage(stderr);
            return false;
        }
    }
    if (options.count < 0 || options.days < 1 || options.sources < 0 || options.users < 0) {
        fprintf(stderr, "alertgen: --count, --sources and --users must be >= 0 and --days >= 1\n");
        return false;
    }
    return true;
}

// The end of the range: now, or the midnight after the given day. Alerts fall
// in [end - days, end).
bool endOfRange(const std::string &end, time_t &out)
{
    if (end.empty()) {
        out = time(nullptr);
        return true;
    }
    struct tm day;
    memset(&day, 0, sizeof(day));
    if (!strptime(end.c_str(), "%Y-%m-%d", &day)) {
        fprintf(stderr, "alertgen: --end wants YYYY-MM-DD, not %s\n", end.c_str());
        return false;
    }
    day.tm_mday += 1;
    day.tm_isdst = -1;
    out = mktime(&day);
    return true;
}

std::string address(Random &random)
{
    char text[32];
    switch (random.below(3)) {
    case 0:
        snprintf(text, sizeof(text), "192.168.%d.%d", random.below(4), 2 + random.below(250));
        break;
    case 1:
        snprintf(
            text, sizeof(text), "10.%d.%d.%d", random.below(8), random.below(256), 2 + random.below(250));
        break;
    default:
        snprintf(text, sizeof(text), "%d.%d.%d.%d", 23 + random.below(180), random.below(256),
            random.below(256), 2 + random.below(250));
        break;
    }
    return text;
}

// Pools of names for logs with a chosen number of distinct sources and users.
struct Pools
{
    std::vector<std::string> sources;
    int users = 0;
};

void writeAlert(FILE *out, Random &random, const Rule &rule, time_t when, long index, const Pools &pools)
{
    struct tm local;
    localtime_r(&when, &local);
    char date[32];
    strftime(date, sizeof(date), "%Y %b %d %H:%M:%S", &local);
    char syslogDate[32];
    strftime(syslogDate, sizeof(syslogDate), "%b %e %H:%M:%S", &local);

    const char *host = HOSTS[random.below(3)];
    const char *logFile = LOG_FILES[random.below(5)];
    std::string srcIp = pools.sources.empty()
        ? address(random)
        : pools.sources[size_t(random.below(int(pools.sources.size())))];
    std::string dstIp = "192.168.1." + std::to_string(10 + random.below(5));
    const std::string user = pools.users > 0 ? "user" + std::to_string(1 + random.below(pools.users))
                                             : USERS[random.below(int(sizeof(USERS) / sizeof(USERS[0])))];
    int srcPort = 1024 + random.below(64000);
    static const int dstPorts[] = { 22, 80, 443, 3306, 8080 };
    int dstPort = dstPorts[random.below(5)];

    fprintf(out, "** Alert %lld.%ld: - %s\n", (long long)when, 1000 + index, rule.group);
    fprintf(out, "%s %s->%s\n", date, host, logFile);
    fprintf(out, "Rule: %d (level %d) -> '%s'\n", rule.id, rule.level, rule.description);
    bool network = random.below(10) < 8;
    if (network) {
        fprintf(out, "Src IP: %s\n", srcIp.c_str());
        fprintf(out, "Src Port: %d\n", srcPort);
        fprintf(out, "Dst IP: %s\n", dstIp.c_str());
        fprintf(out, "Dst Port: %d\n", dstPort);
    }
    if (random.below(10) < 7)
        fprintf(out, "User: %s\n", user.c_str());
    int rawLines = 1 + random.below(5);
    for (int i = 0; i < rawLines; ++i) {
        fprintf(out, "%s %s %s[%d]: %s from %s port %d (%s, step %d)\n", syslogDate, host, rule.program,
            1000 + random.below(30000), rule.description, network ? srcIp.c_str() : "localhost", srcPort,
            user.c_str(), i + 1);
    }
    fputc('\n', out);
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!parseOptions(argc, argv, options))
        return 2;

    std::vector<const Rule *> rules;
    std::vector<int> weights;
    for (int i = 0; i < RULE_COUNT; ++i) {
        if (RULES[i].level < options.minLevel)
            continue;
        rules.push_back(&RULES[i]);
        weights.push_back(RULES[i].level < 12 ? 12 : RULES[i].level < 15 ? 4 : 2);
    }
    if (rules.empty()) {
        fprintf(stderr, "alertgen: no rule has level %d or above\n", options.minLevel);
        return 2;
    }
    int totalWeight = 0;
    for (int w : weights)
        totalWeight += w;

    time_t end;
    if (!endOfRange(options.end, end))
        return 2;
    const int64_t span = int64_t(options.days) * 86400;

    FILE *out = options.out.empty() ? stdout : fopen(options.out.c_str(), "w");
    if (!out) {
        fprintf(stderr, "alertgen: cannot write %s: %s\n", options.out.c_str(), strerror(errno));
        return 1;
    }

    Pools pools;
    pools.users = options.users;
    Random poolRandom { options.seed ^ 0x5EEDu };
    std::set<std::string> distinct;
    while (int(distinct.size()) < options.sources)
        distinct.insert(address(poolRandom));
    pools.sources.assign(distinct.begin(), distinct.end());

    Random random { options.seed };
    std::vector<time_t> times(size_t(options.count));
    for (time_t &t : times)
        t = end - span + time_t(random.next() % uint64_t(span));
    std::sort(times.begin(), times.end());

    for (long i = 0; i < options.count; ++i) {
        int pick = random.below(totalWeight);
        size_t r = 0;
        while (pick >= weights[r])
            pick -= weights[r++];
        writeAlert(out, random, *rules[r], times[size_t(i)], i, pools);
    }

    bool failed = ferror(out) != 0;
    if (out != stdout)
        failed = fclose(out) != 0 || failed;
    if (failed) {
        fprintf(stderr, "alertgen: writing failed\n");
        return 1;
    }
    return 0;
}
