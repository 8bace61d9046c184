#!/usr/bin/env python3
"""Serves a folder on 127.0.0.1 as any static host would, with the headers
that isolate the page (its worker shares memory with it), so that the page
runs from the first load on; other hosts get them from the page's service
worker. Usage: serve.py FOLDER PORT"""
import functools
import http.server
import sys


class IsolatingHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript', '.mjs': 'text/javascript'}

    def end_headers(self):
        self.send_header('Cross-Origin-Opener-Policy', 'same-origin')
        self.send_header('Cross-Origin-Embedder-Policy', 'require-corp')
        self.send_header('Cache-Control', 'no-cache')
        super().end_headers()

    def log_message(self, format, *args):
        pass


def main():
    folder, port = sys.argv[1], int(sys.argv[2])
    handler = functools.partial(IsolatingHandler, directory=folder)
    with http.server.ThreadingHTTPServer(('127.0.0.1', port), handler) as server:
        print(f'Corvane: open http://127.0.0.1:{server.server_address[1]}/ (Ctrl-C stops the server)', flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == '__main__':
    main()
