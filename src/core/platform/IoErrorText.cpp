#include "core/platform/IoErrorText.h"

#include <cerrno>

namespace zelkor {

QString IoErrorText(int error, FileAction action)
{
    switch (error) {
        case ENOENT:
            return action == FileAction::Write
                       ? QStringLiteral("La cartella che dovrebbe contenerlo non esiste.")
                       : QStringLiteral("Il file non esiste.");
        case EACCES:
        case EPERM:
            switch (action) {
                case FileAction::Read:
                    return QStringLiteral("Mancano i permessi per leggerlo.");
                case FileAction::Write:
                    return QStringLiteral("Mancano i permessi per scrivere nella cartella.");
                case FileAction::Append:
                    return QStringLiteral("Permesso negato.");
            }
            break;
        case EISDIR:
            return QStringLiteral("Il percorso indica una cartella, non un file.");
        case ENOTDIR:
            return QStringLiteral("Una parte del percorso non è una cartella.");
        case ENXIO:
        case ENODEV:
            return QStringLiteral(
                "Il percorso non indica un file normale (è una pipe, un dispositivo o un socket).");
        case ENOSPC:
            return QStringLiteral("Spazio su disco esaurito.");
        case EDQUOT:
            return QStringLiteral("La quota di spazio su disco dell'utente è esaurita.");
        case EFBIG:
            return QStringLiteral("Il file ha superato la dimensione massima consentita.");
        case EROFS:
            return QStringLiteral("Il disco è in sola lettura.");
        case EIO:
            return QStringLiteral(
                "Errore di lettura o scrittura sul disco (errore di I/O): il disco o la "
                "chiavetta potrebbe essere guasto o scollegato.");
        case ENAMETOOLONG:
            return QStringLiteral("Il nome del file o del percorso è troppo lungo.");
        case ELOOP:
            return QStringLiteral("Il percorso contiene troppi collegamenti simbolici.");
        case EMFILE:
        case ENFILE:
            return QStringLiteral("Ci sono troppi file aperti.");
        case EBUSY:
        case ETXTBSY:
            return QStringLiteral("Il file è in uso.");
        case EEXIST:
            return QStringLiteral("Esiste già un file con questo nome.");
        case EXDEV:
            return QStringLiteral("Il file si trova su un altro disco.");
        case ENOMEM:
            return QStringLiteral("Memoria insufficiente.");
        case EINTR:
        case EAGAIN:
            return QStringLiteral("L'operazione è stata interrotta.");
        default:
            break;
    }
    return QStringLiteral("Errore del sistema operativo n. %1.").arg(error);
}

}  // namespace zelkor
