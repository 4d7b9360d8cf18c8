#include "rig/HamlibLink.h"

#include <hamlib/rig.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <future>
#include <mutex>

namespace zelkor {
namespace {

// Hamlib's table of backends and its debug level are shared by every RIG: making and freeing a
// RIG and walking the table are done one at a time.
std::mutex& HamlibTable()
{
    static std::mutex table;
    return table;
}

void SilenceHamlib()
{
    static std::once_flag once;
    std::call_once(once, [] { rig_set_debug(RIG_DEBUG_NONE); });
}

// Hamlib turns LC_NUMERIC to "C" around each number it writes to or reads from the radio, and
// back to the name it saved before, which that first turn has freed: a read of freed memory
// whenever the name was not "C" (QApplication sets the user's), and a change of the whole
// program's locale from the radio's thread. With "C" set here, on the window's thread before
// any link opens, both turns change nothing. Nothing in the program formats or reads numbers
// through the C library's locale.
void KeepNumericLocaleC()
{
    const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
    if (numeric == nullptr || std::strcmp(numeric, "C") != 0) {
        std::setlocale(LC_NUMERIC, "C");
    }
}

bool SetConf(RIG* rig, const char* name, const QByteArray& value)
{
    const auto token = rig_token_lookup(rig, name);
    return token != RIG_CONF_END && rig_set_conf(rig, token, value.constData()) == RIG_OK;
}

int AddModel(const struct rig_caps* caps, rig_ptr_t data)
{
    auto* models = static_cast<std::vector<RadioModel>*>(data);
    models->push_back({static_cast<int>(caps->rig_model), QString::fromUtf8(caps->mfg_name),
                       QString::fromUtf8(caps->model_name)});
    return 1;  // go on
}

}  // namespace

HamlibLink::HamlibLink(RadioSettings settings) : m_settings(std::move(settings)) {}

HamlibLink::~HamlibLink()
{
    Close();
}

RadioLinkFactory HamlibLink::Factory(const RadioSettings& settings)
{
    KeepNumericLocaleC();
    return [settings] { return std::make_unique<HamlibLink>(settings); };
}

bool HamlibLink::Open(QString& reason)
{
    Close();
    SilenceHamlib();
    {
        std::lock_guard lock(HamlibTable());
        m_rig = rig_init(static_cast<rig_model_t>(m_settings.model));
    }
    if (m_rig == nullptr) {
        reason = QStringLiteral("modello di radio sconosciuto (%1)").arg(m_settings.model);
        return false;
    }
    if (!m_settings.port.isEmpty()) {
        SetConf(m_rig, "rig_pathname", m_settings.port.toLocal8Bit());
    }
    if (m_settings.speed > 0) {
        SetConf(m_rig, "serial_speed", QByteArray::number(m_settings.speed));
    }
    const int timeout =
        std::min(m_rig->caps->timeout > 0 ? m_rig->caps->timeout : kTimeoutMs, kTimeoutMs);
    SetConf(m_rig, "timeout", QByteArray::number(timeout));
    SetConf(m_rig, "retry", QByteArray::number(std::min(m_rig->caps->retry, kRetries)));

    const int opened = rig_open(m_rig);
    if (opened != RIG_OK) {
        reason = ErrorText(opened, m_settings.port);
        std::lock_guard lock(HamlibTable());
        rig_cleanup(m_rig);
        m_rig = nullptr;
        return false;
    }
    // Every reading asks the radio: a cached value would show a band change a reading late.
    rig_set_cache_timeout_ms(m_rig, HAMLIB_CACHE_ALL, 0);
    return true;
}

std::optional<RadioReading> HamlibLink::Read(QString& reason)
{
    if (m_rig == nullptr) {
        reason = ErrorText(RIG_EIO);
        return std::nullopt;
    }
    freq_t frequency = 0;
    if (const int status = rig_get_freq(m_rig, RIG_VFO_CURR, &frequency); status != RIG_OK) {
        reason = ErrorText(status);
        return std::nullopt;
    }
    RadioReading reading;
    reading.frequencyHz = frequency;
    rmode_t mode = RIG_MODE_NONE;
    pbwidth_t width = 0;
    const int status = rig_get_mode(m_rig, RIG_VFO_CURR, &mode, &width);
    // A radio that can't tell its mode still tells the band.
    if (status != RIG_OK && status != -RIG_ENIMPL && status != -RIG_ENAVAIL) {
        reason = ErrorText(status);
        return std::nullopt;
    }
    if (status == RIG_OK && mode != RIG_MODE_NONE) {
        reading.mode = rig_strrmode(mode);
    }
    return reading;
}

void HamlibLink::Close()
{
    if (m_rig == nullptr) {
        return;
    }
    rig_close(m_rig);
    std::lock_guard lock(HamlibTable());
    rig_cleanup(m_rig);
    m_rig = nullptr;
}

QString HamlibLink::ErrorText(int hamlibError, const QString& port)
{
    switch (std::abs(hamlibError)) {
        case RIG_ETIMEOUT:
            return QStringLiteral("la radio non risponde");
        case RIG_EIO:
            return port.isEmpty() ? QStringLiteral("errore di comunicazione con la radio")
                                  : QStringLiteral("impossibile aprire \u201c%1\u201d").arg(port);
        case RIG_ECONF:
            return QStringLiteral("impostazioni della porta non valide");
        case RIG_EPROTO:
            return QStringLiteral("la radio ha dato una risposta non valida");
        case RIG_ERJCTED:
            return QStringLiteral("la radio ha rifiutato il comando");
        case RIG_ENIMPL:
        case RIG_ENAVAIL:
            return QStringLiteral("questo modello non permette di leggere la frequenza");
        case RIG_EPOWER:
            return QStringLiteral("la radio \u00e8 spenta");
        case RIG_ENOMEM:
            return QStringLiteral("memoria insufficiente");
        case RIG_BUSERROR:
        case RIG_BUSBUSY:
            return QStringLiteral("errore sul bus di comunicazione con la radio");
        case RIG_ESECURITY:
            return QStringLiteral("accesso alla radio non consentito");
        default:
            return QStringLiteral("errore di Hamlib numero %1").arg(std::abs(hamlibError));
    }
}

const std::vector<RadioModel>& HamlibLink::Models()
{
    // Read once, on a thread of its own: the window's thread never calls into Hamlib.
    static const std::shared_future<std::vector<RadioModel>> kModels =
        std::async(std::launch::async, [] {
            SilenceHamlib();
            std::vector<RadioModel> models;
            {
                std::lock_guard lock(HamlibTable());
                rig_load_all_backends();
                rig_list_foreach(AddModel, &models);
            }
            SortRadioModels(models);
            return models;
        }).share();
    return kModels.get();
}

}  // namespace zelkor
