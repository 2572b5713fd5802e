#include "platform/linux/linux_source.h"

#include "platform/linux/nl80211_parse.h"

#include <linux/nl80211.h>
#include <netlink/genl/ctrl.h>
#include <netlink/genl/genl.h>
#include <netlink/netlink.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <functional>
#include <map>

namespace platform::linuxbackend {

namespace {

// A generic netlink socket bound to nl80211. Replies are awaited at most a second each, so a
// kernel that stops answering cannot hold up the scan.
class Nl80211Socket {
public:
    Nl80211Socket()
    {
        socket_ = nl_socket_alloc();
        if (!socket_)
            return;
        if (genl_connect(socket_) < 0)
            return;
        const timeval timeout{1, 0};
        setsockopt(nl_socket_get_fd(socket_), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        family_ = genl_ctrl_resolve(socket_, "nl80211");
    }
    ~Nl80211Socket()
    {
        if (socket_)
            nl_socket_free(socket_);
    }
    Nl80211Socket(const Nl80211Socket &) = delete;
    Nl80211Socket &operator=(const Nl80211Socket &) = delete;

    bool ready() const { return socket_ && family_ >= 0; }

    // One dump request; every reply message goes to onMessage. False when the request failed
    // (an interface that vanished answers with an error).
    bool dump(std::uint8_t command, const std::function<bool(nl_msg *)> &fill,
              const std::function<void(nl_msg *)> &onMessage)
    {
        nl_msg *request = nlmsg_alloc();
        if (!request)
            return false;
        const bool built =
            genlmsg_put(request, NL_AUTO_PORT, NL_AUTO_SEQ, family_, 0, NLM_F_DUMP, command, 0) &&
            (!fill || fill(request));
        const int sent = built ? nl_send_auto(socket_, request) : -1;
        nlmsg_free(request);
        if (sent < 0)
            return false;

        Reception state{onMessage};
        nl_cb *callbacks = nl_cb_alloc(NL_CB_DEFAULT);
        if (!callbacks)
            return false;
        nl_cb_set(callbacks, NL_CB_VALID, NL_CB_CUSTOM, &Nl80211Socket::onValid, &state);
        nl_cb_set(callbacks, NL_CB_FINISH, NL_CB_CUSTOM, &Nl80211Socket::onFinish, &state);
        nl_cb_set(callbacks, NL_CB_ACK, NL_CB_CUSTOM, &Nl80211Socket::onFinish, &state);
        nl_cb_err(callbacks, NL_CB_CUSTOM, &Nl80211Socket::onError, &state);
        while (!state.done) {
            if (nl_recvmsgs(socket_, callbacks) < 0) {
                state.failed = true;
                break;
            }
        }
        nl_cb_put(callbacks);
        return !state.failed;
    }

private:
    struct Reception {
        const std::function<void(nl_msg *)> &onMessage;
        bool done = false;
        bool failed = false;
    };

    static int onValid(nl_msg *message, void *arg)
    {
        static_cast<Reception *>(arg)->onMessage(message);
        return NL_OK;
    }
    static int onFinish(nl_msg *, void *arg)
    {
        static_cast<Reception *>(arg)->done = true;
        return NL_STOP;
    }
    static int onError(sockaddr_nl *, nlmsgerr *, void *arg)
    {
        auto *state = static_cast<Reception *>(arg);
        state->done = true;
        state->failed = true;
        return NL_STOP;
    }

    nl_sock *socket_ = nullptr;
    int family_ = -1;
};

std::function<bool(nl_msg *)> forInterface(std::uint32_t ifindex)
{
    return [ifindex](nl_msg *request) { return nla_put_u32(request, NL80211_ATTR_IFINDEX, ifindex) == 0; };
}

} // namespace

std::vector<WlanInterface> LinuxSource::wlanInterfaces()
{
    std::vector<WlanInterface> result;
    if (!root_.isLive())
        return result;
    Nl80211Socket netlink;
    if (!netlink.ready())
        return result;

    std::vector<Nl80211Interface> interfaces;
    netlink.dump(NL80211_CMD_GET_INTERFACE, nullptr, [&interfaces](nl_msg *message) {
        if (auto interface = parseInterfaceMessage(message))
            interfaces.push_back(std::move(*interface));
    });
    std::map<std::uint32_t, std::set<std::uint32_t>> phyTypes;
    netlink.dump(
        NL80211_CMD_GET_WIPHY,
        [](nl_msg *request) { return nla_put_flag(request, NL80211_ATTR_SPLIT_WIPHY_DUMP) == 0; },
        [&phyTypes](nl_msg *message) {
            if (const auto part = parseWiphyMessage(message))
                phyTypes[part->wiphy].insert(part->phyTypes.begin(), part->phyTypes.end());
        });

    for (const auto &interface : interfaces) {
        std::optional<Nl80211Station> station;
        std::optional<Nl80211Bss> bss;
        // Access-point and monitor interfaces list their clients and neighbours, not a link.
        if (interface.iftype == nl80211IftypeStation || interface.iftype == nl80211IftypeP2pClient) {
            netlink.dump(NL80211_CMD_GET_STATION, forInterface(interface.ifindex),
                         [&station](nl_msg *message) {
                             if (!station)
                                 station = parseStationMessage(message);
                         });
            netlink.dump(NL80211_CMD_GET_SCAN, forInterface(interface.ifindex), [&bss](nl_msg *message) {
                auto candidate = parseBssMessage(message);
                if (candidate && candidate->associated && !(bss && bss->associated))
                    bss = std::move(candidate);
            });
        }
        result.push_back(assembleWlanInterface(interface, phyTypes[interface.wiphy], station, bss));
    }
    return result;
}

} // namespace platform::linuxbackend
