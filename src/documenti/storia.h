#pragma once
#include <QString>
#include <QUndoCommand>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

// A step of a document's history: the text cells a change wrote, each with its text before and
// after, and the tables' small fields (counts, identities, flags) before and after whole when
// they changed. A step holds only what changed (the texts themselves are shared with the
// tables): a word typed costs some 400 bytes, a full-scale sort 1.8 MB.
//
// `C` reads the document `D` as cells: C::Tabelle (the tables), C::numero() cells,
// C::cella(Tabelle&, k), C::Scalari with C::leggi(const D&) and C::scrivi(D&, const Scalari&),
// and C::tabelle(D&).
template <class D, class C> class Passo : public QUndoCommand {
public:
    using Scalari = typename C::Scalari;
    struct Cella {
        int indice;
        QString prima, dopo;
    };

    // A step of the change from `prima` (the tables as they were) to what `documento` holds now.
    // `chiave` != -1: a typing step that a next one of the same key joins, unless `nuova`.
    Passo(D& documento, const QString& testo, int chiave, bool nuova)
        : QUndoCommand(testo), m_documento(documento), m_chiave(chiave), m_nuova(nuova)
    {
    }

    // Every cell that differs between `prima` and the document's tables.
    void confronta(const typename C::Tabelle& prima, const Scalari& scalariprima)
    {
        auto& ora = C::tabelle(m_documento);
        for (int k = 0; k < C::numero(); ++k) {
            const QString& p = C::cella(const_cast<typename C::Tabelle&>(prima), k);
            const QString& d = C::cella(ora, k);
            if (p != d)
                celle.push_back({k, p, d});
        }
        scalari(scalariprima);
    }
    // One cell written, from `prima` to what it holds now.
    void cella(int indice, const QString& prima, const Scalari& scalariprima)
    {
        celle.push_back({indice, prima, C::cella(C::tabelle(m_documento), indice)});
        scalari(scalariprima);
    }
    bool vuoto() const { return celle.empty() && !m_scalari; }

    int id() const override { return m_chiave; }
    bool mergeWith(const QUndoCommand* altro) override
    {
        const auto* a = static_cast<const Passo*>(altro);
        if (a->m_nuova)
            return false;
        for (const Cella& c : a->celle) {
            auto i = std::find_if(celle.begin(), celle.end(), [&](const Cella& e) { return e.indice == c.indice; });
            if (i == celle.end())
                celle.push_back(c);
            else
                i->dopo = c.dopo;
        }
        // Typed back to what it was: the step is no step.
        celle.erase(std::remove_if(celle.begin(), celle.end(), [](const Cella& c) { return c.prima == c.dopo; }),
                    celle.end());
        if (a->m_scalari) {
            const Scalari prima = m_scalari ? m_scalari->first : a->m_scalari->first;
            m_scalari.reset();
            if (!(prima == a->m_scalari->second))
                m_scalari = std::make_unique<std::pair<Scalari, Scalari>>(prima, a->m_scalari->second);
        }
        setObsolete(vuoto());
        return true;
    }
    void undo() override { applica(true); }
    void redo() override
    {
        // Pushed once the change is made: the first redo has nothing to do.
        if (m_fatto) {
            m_fatto = false;
            return;
        }
        applica(false);
    }

private:
    void applica(bool indietro)
    {
        auto& t = C::tabelle(m_documento);
        for (const Cella& c : celle)
            C::cella(t, c.indice) = indietro ? c.prima : c.dopo;
        if (m_scalari)
            C::scrivi(m_documento, indietro ? m_scalari->first : m_scalari->second);
    }
    // The small fields before and after, kept only when they changed (typing never does).
    void scalari(const Scalari& prima)
    {
        Scalari dopo = C::leggi(m_documento);
        if (!(prima == dopo))
            m_scalari = std::make_unique<std::pair<Scalari, Scalari>>(prima, std::move(dopo));
    }

    std::vector<Cella> celle;
    D& m_documento;
    int m_chiave;
    bool m_nuova;
    bool m_fatto = true;
    std::unique_ptr<std::pair<Scalari, Scalari>> m_scalari;
};
